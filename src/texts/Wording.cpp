#include "texts/Wording.h"

#include <stdexcept>

namespace rsa::texts {

std::string quoted(std::string_view piece) {
    constexpr std::size_t most = 24;
    if (piece.size() <= most) {
        return std::string(piece);
    }
    std::size_t end = most;
    // Not inside a character of several bytes.
    while (end > 0 && (static_cast<unsigned char>(piece[end]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(piece.substr(0, end)) + "…";
}

std::string fill(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close =
            open == std::string_view::npos ? open : pattern.find('}', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        const std::string_view inside = pattern.substr(open + 1, close - open - 1);
        const bool slot = !inside.empty() && inside.size() < 4 &&
                          inside.find_first_not_of("0123456789") == std::string_view::npos;
        text += pattern.substr(at, open - at);
        if (!slot) {
            text += '{';
            at = open + 1;
            continue;
        }
        const std::size_t index = std::stoul(std::string(inside));
        if (index >= arguments.size()) {
            throw std::logic_error("slot {" + std::string(inside) + "} without an argument in \"" +
                                   std::string(pattern) + "\"");
        }
        text += arguments[index];
        at = close + 1;
    }
    text += pattern.substr(at);
    return text;
}

std::string word(const char* text, const std::vector<std::string>& arguments,
                 Translator translator) {
    if (text == nullptr) {
        throw std::logic_error("no text to word, such as the sentence of a rule that has none");
    }
    return fill(translator != nullptr ? translator(text) : std::string(text), arguments);
}

} // namespace rsa::texts
