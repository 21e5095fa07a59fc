#pragma once

// The one entry point of the loadable module librsa-demo-realsize.so: the
// program resolves it with QLibrary under --gercek-boyut, so that GMP,
// OpenSSL, FLINT and Qt Charts are loaded only then.

namespace rsa {

// The name QLibrary resolves.
inline constexpr const char* realSizeEntryPoint = "rsaOpenRealSizeWindow";
using OpenRealSizeWindow = void (*)();

} // namespace rsa

// Opens the real-size window; it deletes itself when closed. Needs a
// QApplication, whose translators it speaks through.
extern "C" void rsaOpenRealSizeWindow();
