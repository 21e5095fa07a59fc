#pragma once

// How a fuzzer reports a broken rule: a line that says which, on standard
// error, then an abort, which libFuzzer and the corpus replay both catch.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace rsa::fuzz {

inline void require(bool holds, const char* rule, const std::string& input) {
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s, input \"%s\"\n", rule, input.c_str());
        std::abort();
    }
}

} // namespace rsa::fuzz
