#pragma once

// The language of the explanation inside the library: every text of
// StepTexts.h (texts:: here) passes through inLanguage() on its way into a
// section.

#include "texts/StepTexts.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rsa::explain {

namespace texts = rsa::texts::steps;

// The text in the language set by setTranslator(), or as written.
std::string inLanguage(const char* text);

// The column titles of a table, each in the language of the explanation.
template <std::size_t N> std::vector<std::string> inLanguage(const char* const (&titles)[N]) {
    std::vector<std::string> translated;
    for (const char* title : titles) {
        translated.push_back(inLanguage(title));
    }
    return translated;
}

} // namespace rsa::explain
