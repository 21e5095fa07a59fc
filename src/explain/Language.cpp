#include "Language.h"

#include <stdexcept>

namespace rsa::explain {

std::string Language::operator()(const char* text) const {
    return m_translator != nullptr ? m_translator(text) : std::string(text);
}

std::string Language::fill(const char* source, std::initializer_list<std::string> arguments) const {
    const std::string pattern = (*this)(source);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool slot = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
                          pattern[i + 1] >= '0' && pattern[i + 1] <= '9';
        if (!slot) {
            text += pattern[i];
            continue;
        }
        const auto index = static_cast<std::size_t>(pattern[i + 1] - '0');
        if (index >= arguments.size()) {
            throw std::logic_error("slot {" + std::to_string(index) +
                                   "} without an argument in \"" + pattern + "\"");
        }
        text += arguments.begin()[index];
        i += 2;
    }
    return text;
}

} // namespace rsa::explain
