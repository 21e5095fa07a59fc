#pragma once

// Saved files are written one byte a character in the Turkish single-byte
// code page (windows-1254), which holds every Turkish letter. glibc's iconv
// does the conversion; a character the code page cannot hold becomes "?".

#include <string>

namespace rsa {

std::string toWindows1254(const std::string& utf8);

} // namespace rsa
