// The code page keeps its promise for every character Unicode has: each
// becomes its own windows-1254 byte or exactly one "?". The bytes are judged
// by converting them back with the opposite iconv converter, not by a table.

#include "menu/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <iconv.h>

namespace rsa {
namespace {

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// The character each byte of the code page stands for, as UTF-8.
std::map<std::string, char> codePageBytes() {
    std::map<std::string, char> bytes;
    const iconv_t back = iconv_open("UTF-8", "CP1254");
    for (int value = 0; value < 256; ++value) {
        char byte = static_cast<char>(value);
        char* in = &byte;
        std::size_t inLeft = 1;
        char utf8[8];
        char* out = utf8;
        std::size_t outLeft = sizeof utf8;
        if (iconv(back, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) {
            bytes[std::string(utf8, out)] = byte;
        }
    }
    iconv_close(back);
    return bytes;
}

TEST(CodePage, EveryScalarValueBecomesItsByteOrOneQuestionMark) {
    const std::map<std::string, char> bytes = codePageBytes();
    // Every byte but the seven the code page leaves unassigned: 81, 8D-90, 9D, 9E.
    ASSERT_EQ(bytes.size(), 249U);
    // All of them in one text: a character dropped or doubled anywhere shifts
    // every byte after it.
    std::string text;
    std::string expected;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        const std::string character = utf8Of(c);
        text += character;
        const auto byte = bytes.find(character);
        expected += byte == bytes.end() ? '?' : byte->second;
    }
    const std::string saved = toWindows1254(text);
    std::size_t at = 0;
    for (char32_t c = 0; at < std::min(saved.size(), expected.size()); ++c) {
        if (c < 0xD800 || c > 0xDFFF) {
            ASSERT_EQ(saved[at], expected[at]) << "first wrong at U+" << std::hex << unsigned(c);
            ++at;
        }
    }
    EXPECT_EQ(saved.size(), expected.size());
}

TEST(CodePage, TagCharactersBetweenLettersEachLeaveOneQuestionMark) {
    // A flag made of tag characters: one "?" for each code point, as for any
    // other character the code page lacks.
    EXPECT_EQ(toWindows1254("a\xF3\xA0\x81\xA7"
                            "b"),
              "a?b");
    EXPECT_EQ(toWindows1254("\xF0\x9F\x8F\xB4\xF3\xA0\x81\xA7\xF3\xA0\x81\xA2\xF3\xA0\x81\xBF"
                            "\xC5\x9F"),
              "????\xFE");
}

} // namespace
} // namespace rsa
