#pragma once

// The language of the explanation inside the library: every text of
// StepTexts.h (texts:: here) passes through the translator a window handed
// in, then gets its numbers in the {0}, {1}, ... slots.

#include "explain/Explanation.h"
#include "texts/StepTexts.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace rsa::explain {

namespace texts = rsa::texts::steps;

class Language {
public:
    explicit Language(Translator translator) : m_translator(translator) {}

    // The text in this language, or as written without a translator.
    std::string operator()(const char* text) const;

    // The pattern in this language with its {0}, {1}, ... filled
    // (texts::word: a slot with no argument throws std::logic_error).
    std::string fill(const char* pattern, std::initializer_list<std::string> arguments) const;

    // The column titles of a table, each in this language.
    template <std::size_t N>
    std::vector<std::string> columns(const char* const (&titles)[N]) const {
        std::vector<std::string> translated;
        for (const char* title : titles) {
            translated.push_back((*this)(title));
        }
        return translated;
    }

private:
    Translator m_translator;
};

} // namespace rsa::explain
