#include "exchange/Blocks.h"

#include "reading/WholeNumber.h"
#include "texts/Wording.h"

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

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A block as the main window writes it: digits without a sign, up to
// largestModulus; position is its 1-based place in the whole text, as the
// learner counts them, for the refusal.
Result<std::uint32_t> readBlock(std::string_view piece, std::size_t position) {
    const auto read = reading::readWholeNumber(piece, reading::Sign::Refused);
    const auto* number = std::get_if<reading::WholeNumber>(&read);
    if (number == nullptr &&
        std::get<reading::NumberProblem>(read) != reading::NumberProblem::TooLong) {
        return Refusal{RefusalKind::BlockNotNumber,
                       {std::to_string(position), texts::quoted(piece)}};
    }
    const std::optional<std::int64_t> value = number != nullptr ? number->value() : std::nullopt;
    if (!value || *value > largestModulus) {
        return Refusal{
            RefusalKind::BlockBeyondRange,
            {std::to_string(position), texts::quoted(piece), std::to_string(largestModulus)}};
    }
    return static_cast<std::uint32_t>(*value);
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
        const Result<std::uint32_t> block = readBlock(found[first + k], first + k + 1);
        if (!block) {
            return block.refusal();
        }
        received.blocks[k] = *block;
    }
    return received;
}

Result<std::vector<std::uint32_t>> parseBlockList(std::string_view text) {
    const std::vector<std::string_view> found = pieces(text, isSeparator);
    if (found.empty()) {
        return Refusal{RefusalKind::NoBlocks, {}};
    }
    std::vector<std::uint32_t> blocks;
    for (std::size_t k = 0; k < found.size(); ++k) {
        const Result<std::uint32_t> block = readBlock(found[k], k + 1);
        if (!block) {
            return block.refusal();
        }
        blocks.push_back(*block);
    }
    return blocks;
}

std::string blocksText(const Blocks& blocks) {
    return blocksText(std::vector<std::uint32_t>(blocks.begin(), blocks.end()));
}

std::string blocksText(const std::vector<std::uint32_t>& blocks) {
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
