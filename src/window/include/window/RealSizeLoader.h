#pragma once

// Loads the real-size window from its loadable module
// (librsa-demo-realsize.so), so that the program loads GMP, OpenSSL, FLINT
// and Qt Charts only under --gercek-boyut. The module is looked for beside
// the program first (the build tree), then in the installed library folder.
// The window explains each action through `sink`.

#include "explain/Section.h"

#include <QString>

#include <variant>

class QWidget;

namespace rsa {

// The window, made but not shown, which deletes itself when closed; else why
// it could not be loaded (QLibrary's reason).
std::variant<QWidget*, QString> loadRealSizeWindow(const explain::SectionSink& sink);

} // namespace rsa
