#pragma once

// Saved files are written one byte a character in the Turkish single-byte
// code page (windows-1254), which holds every Turkish letter. glibc's iconv
// does the conversion; a character the code page cannot hold becomes "?".

#include <string>

namespace rsa {

// One byte per character of `utf8`: its windows-1254 byte, or "?" for every
// character the code page lacks, whichever character it is.
std::string toWindows1254(const std::string& utf8);

} // namespace rsa
