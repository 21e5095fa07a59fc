#include "exchange/Letters.h"

#include <algorithm>

namespace rsa::exchange {

namespace {

// Unicode code points of the table, in code order, and of the lower-case
// letters that read as them.
constexpr std::array<char32_t, letterCount> upperPoints = {
    U'A', U'B', U'C', U'Ç', U'D', U'E', U'F', U'G', U'Ğ', U'H', U'I', U'İ', U'J', U'K', U'L',
    U'M', U'N', U'O', U'Ö', U'P', U'R', U'S', U'Ş', U'T', U'U', U'Ü', U'V', U'Y', U'Z', U' '};
constexpr std::array<char32_t, letterCount> lowerPoints = {
    U'a', U'b', U'c', U'ç', U'd', U'e', U'f', U'g', U'ğ', U'h', U'ı', U'i', U'j', U'k', U'l',
    U'm', U'n', U'o', U'ö', U'p', U'r', U's', U'ş', U't', U'u', U'ü', U'v', U'y', U'z', U' '};

struct Decoded {
    char32_t point;
    std::string_view bytes;
};

// The next character of UTF-8 text; a malformed byte comes back alone, as
// U+FFFD, so that a refusal can still name it.
Decoded nextCharacter(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : 4;
    if (at + length > text.size() || (lead >= 0x80 && lead < 0xC0)) {
        return {U'\uFFFD', text.substr(at, 1)};
    }
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (next >> 6 != 2) {
            return {U'\uFFFD', text.substr(at, 1)};
        }
        point = point << 6 | (next & 0x3F);
    }
    return {point, text.substr(at, length)};
}

std::uint32_t power100(std::size_t exponent) {
    std::uint32_t result = 1;
    for (std::size_t k = 0; k < exponent; ++k) {
        result *= 100;
    }
    return result;
}

} // namespace

const std::array<Letter, letterCount>& letters() {
    static const std::array<Letter, letterCount> table = {{
        {"A", 0x41}, {"B", 0x42}, {"C", 0x43}, {"Ç", 0xC7}, {"D", 0x44}, {"E", 0x45},
        {"F", 0x46}, {"G", 0x47}, {"Ğ", 0xD0}, {"H", 0x48}, {"I", 0x49}, {"İ", 0xDD},
        {"J", 0x4A}, {"K", 0x4B}, {"L", 0x4C}, {"M", 0x4D}, {"N", 0x4E}, {"O", 0x4F},
        {"Ö", 0xD6}, {"P", 0x50}, {"R", 0x52}, {"S", 0x53}, {"Ş", 0xDE}, {"T", 0x54},
        {"U", 0x55}, {"Ü", 0xDC}, {"V", 0x56}, {"Y", 0x59}, {"Z", 0x5A}, {" ", 0x20},
    }};
    return table;
}

Result<LetterCodes> parseMessage(std::string_view text) {
    LetterCodes codes;
    std::size_t at = 0;
    while (at < text.size()) {
        const Decoded character = nextCharacter(text, at);
        at += character.bytes.size();
        std::size_t code = 0;
        while (code < letterCount && upperPoints[code] != character.point &&
               lowerPoints[code] != character.point) {
            ++code;
        }
        if (code == letterCount) {
            const std::string shown =
                character.point == U'\uFFFD' ? "\xEF\xBF\xBD" : std::string(character.bytes);
            return Refusal{RefusalKind::LetterNotAllowed,
                           {std::to_string(codes.size() + 1), shown}};
        }
        codes.push_back(static_cast<std::uint32_t>(code));
    }
    while (!codes.empty() && codes.back() == blankCode) {
        codes.pop_back();
    }
    if (codes.empty()) {
        return Refusal{RefusalKind::MessageEmpty, {}};
    }
    if (codes.size() > longestMessage) {
        return Refusal{RefusalKind::MessageTooLong,
                       {std::to_string(codes.size()), std::to_string(longestMessage)}};
    }
    return codes;
}

std::string messageText(const LetterCodes& codes) {
    std::string text;
    for (std::uint32_t code : codes) {
        text += letters().at(code).utf8;
    }
    return text;
}

std::uint32_t largestBlock(std::size_t perBlock) {
    std::uint32_t block = 0;
    for (std::size_t k = 0; k < perBlock; ++k) {
        block = block * 100 + blankCode;
    }
    return block;
}

std::size_t lettersPerBlock(std::uint32_t n) {
    std::size_t perBlock = 0;
    while (perBlock < mostLettersPerBlock && largestBlock(perBlock + 1) < n) {
        ++perBlock;
    }
    return perBlock;
}

std::vector<std::uint32_t> packLetters(const LetterCodes& codes, std::size_t perBlock) {
    std::vector<std::uint32_t> blocks;
    for (std::size_t start = 0; start < codes.size(); start += perBlock) {
        std::uint32_t block = 0;
        for (std::size_t k = start; k < start + perBlock; ++k) {
            block = block * 100 + (k < codes.size() ? codes[k] : blankCode);
        }
        blocks.push_back(block);
    }
    return blocks;
}

Result<LetterCodes> unpackLetters(const std::vector<std::uint32_t>& blocks, std::size_t perBlock) {
    LetterCodes codes;
    for (std::size_t index = 0; index < blocks.size(); ++index) {
        std::uint32_t rest = blocks[index];
        for (std::size_t k = perBlock; k-- > 0;) {
            const std::uint32_t code = rest / power100(k);
            rest %= power100(k);
            if (code >= letterCount) {
                return Refusal{RefusalKind::BlockNotLetters,
                               {std::to_string(index + 1), std::to_string(blocks[index]),
                                std::to_string(perBlock)}};
            }
            codes.push_back(code);
        }
    }
    while (!codes.empty() && codes.back() == blankCode) {
        codes.pop_back();
    }
    return codes;
}

std::vector<std::pair<std::uint32_t, std::size_t>>
blockCounts(const std::vector<std::uint32_t>& blocks) {
    std::vector<std::pair<std::uint32_t, std::size_t>> counts;
    for (std::uint32_t block : blocks) {
        const auto found = std::find_if(counts.begin(), counts.end(),
                                        [block](const auto& seen) { return seen.first == block; });
        if (found == counts.end()) {
            counts.emplace_back(block, 1);
        } else {
            ++found->second;
        }
    }
    std::sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return counts;
}

const std::array<LetterShare, letterCount - 1>& turkishLetterShares() {
    // Codes: A 0, E 5, İ 11, N 16, R 20, L 14, I 10, D 4, K 13, M 15, Y 27,
    // U 24, S 21, T 23, B 1, O 17, Ü 25, Ş 22, Z 28, G 7, H 9, Ç 3, Ğ 8,
    // C 2, V 26, P 19, Ö 18, F 6, J 12.
    static const std::array<LetterShare, letterCount - 1> shares = {{
        {0, 1192}, {5, 891},  {11, 860}, {16, 749}, {20, 672}, {14, 592}, {10, 511}, {4, 471},
        {13, 468}, {15, 375}, {27, 334}, {24, 324}, {21, 301}, {23, 301}, {1, 284},  {17, 248},
        {25, 185}, {22, 178}, {28, 150}, {7, 125},  {9, 121},  {3, 116},  {8, 113},  {2, 96},
        {26, 96},  {19, 89},  {18, 78},  {6, 46},   {12, 3},
    }};
    return shares;
}

} // namespace rsa::exchange
