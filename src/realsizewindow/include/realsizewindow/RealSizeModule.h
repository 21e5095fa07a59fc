#pragma once

// The one entry point of the loadable module librsa-demo-realsize.so: the
// program resolves it with QLibrary under --gercek-boyut, so that GMP,
// OpenSSL, FLINT and Qt Charts are loaded only then. The program hands in
// the step window's sink; the module explains into it without linking the
// explain library, whose code the program already holds.

#include "explain/Section.h"

class QWidget;

namespace rsa {

// The name QLibrary resolves.
inline constexpr const char* realSizeEntryPoint = "rsaOpenRealSizeWindow";
using OpenRealSizeWindow = QWidget* (*)(const explain::SectionSink* sink);

} // namespace rsa

// Makes the real-size window and hands it back unshown, for the program to
// place and show; it deletes itself when closed, and whoever opened it
// deletes it when the program ends. Needs a QApplication, whose translators
// it speaks through. `sink` may be null or empty when nothing explains; the
// window keeps a copy.
extern "C" QWidget* rsaOpenRealSizeWindow(const rsa::explain::SectionSink* sink);
