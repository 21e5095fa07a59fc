#include "exchange/Blocks.h"

#include "reading/WholeNumber.h"

#include <vector>

namespace rsa::exchange {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<std::string_view> pieces(std::string_view text, bool (*separator)(char)) {
    std::vector<std::string_view> found;
    std::size_t at = 0;
    while (at < text.size()) {
        if (separator(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !separator(text[at])) {
            ++at;
        }
        found.push_back(text.substr(start, at - start));
    }
    return found;
}

bool allDigits(std::string_view piece) {
    for (char c : piece) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

// A refusal quotes the start of a piece, never a whole pasted page: a few
// characters tell the learner which piece it is, and a long sentence would
// keep the window busy wrapping it.
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

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark) {
        text.remove_prefix(byteOrderMark.size());
    }
    return text;
}

Result<ReceivedBlocks> parseBlocks(std::string_view text) {
    const std::vector<std::string_view> found = pieces(withoutByteOrderMark(text), isSeparator);
    if (found.size() < blockCount) {
        return Refusal{RefusalKind::TooFewBlocks, {std::to_string(found.size())}};
    }
    ReceivedBlocks received;
    received.found = found.size();
    const std::size_t first = found.size() - blockCount;
    for (std::size_t k = 0; k < blockCount; ++k) {
        const std::string_view piece = found[first + k];
        // Counted in the whole text, as the learner counts them.
        const std::string position = std::to_string(first + k + 1);
        // The main window writes blocks without a sign.
        const auto read = reading::readWholeNumber(piece, reading::Sign::Refused);
        const auto* number = std::get_if<reading::WholeNumber>(&read);
        if (number == nullptr &&
            std::get<reading::NumberProblem>(read) != reading::NumberProblem::TooLong) {
            return Refusal{RefusalKind::BlockNotNumber, {position, quoted(piece)}};
        }
        const std::optional<std::int64_t> value =
            number != nullptr ? number->value() : std::nullopt;
        if (!value || *value > largestModulus) {
            return Refusal{RefusalKind::BlockBeyondRange,
                           {position, quoted(piece), std::to_string(largestModulus)}};
        }
        received.blocks[k] = static_cast<std::uint32_t>(*value);
    }
    return received;
}

std::string blocksText(const Blocks& blocks) {
    std::string text;
    for (std::uint32_t block : blocks) {
        text += ' ';
        text += std::to_string(block);
    }
    return text;
}

Result<Blocks> parseCard(std::string_view text) {
    const std::vector<std::string_view> groups = pieces(text, isBlank);
    std::string digits;
    for (std::string_view group : groups) {
        digits += group;
    }
    const bool grouped = groups.size() == 4 && groups[0].size() == 4 && groups[1].size() == 4 &&
                         groups[2].size() == 4 && groups[3].size() == 4;
    if (!(groups.size() == 1 || grouped) || digits.size() != 2 * blockCount || !allDigits(digits)) {
        return Refusal{RefusalKind::CardNotSixteenDigits, {std::string(text)}};
    }
    Blocks card{};
    for (std::size_t k = 0; k < blockCount; ++k) {
        card[k] =
            static_cast<std::uint32_t>((digits[2 * k] - '0') * 10 + (digits[2 * k + 1] - '0'));
    }
    return card;
}

std::string cardText(const Blocks& card) {
    std::string text;
    for (std::size_t k = 0; k < blockCount; ++k) {
        if (k > 0 && k % 2 == 0) {
            text += ' ';
        }
        text += static_cast<char>('0' + card[k] / 10 % 10);
        text += static_cast<char>('0' + card[k] % 10);
    }
    return text;
}

} // namespace rsa::exchange
