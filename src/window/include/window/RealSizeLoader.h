#pragma once

// Opens the real-size window from its loadable module
// (librsa-demo-realsize.so), so that the program loads GMP, OpenSSL, FLINT
// and Qt Charts only under --gercek-boyut. The module is looked for beside
// the program first (the build tree), then in the installed library folder.

#include <QString>

#include <optional>

namespace rsa {

// Nothing when the window opened, else why not (QLibrary's reason).
std::optional<QString> openRealSizeWindow();

} // namespace rsa
