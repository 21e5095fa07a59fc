#pragma once

// The one entry point of the loadable module librsa-demo-realsize.so: the
// program resolves it with QLibrary under --gercek-boyut, so that GMP,
// OpenSSL, FLINT and Qt Charts are loaded only then. The program hands in
// the step window's sink; the module explains into it without linking the
// explain library, whose code the program already holds.

#include "explain/Section.h"

namespace rsa {

// The name QLibrary resolves.
inline constexpr const char* realSizeEntryPoint = "rsaOpenRealSizeWindow";
using OpenRealSizeWindow = void (*)(const explain::SectionSink* sink);

} // namespace rsa

// Opens the real-size window; it deletes itself when closed. Needs a
// QApplication, whose translators it speaks through. `sink` may be null or
// empty when there is no step window; the window keeps a copy.
extern "C" void rsaOpenRealSizeWindow(const rsa::explain::SectionSink* sink);
