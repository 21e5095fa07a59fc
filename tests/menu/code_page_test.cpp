// The code page keeps its promise for every character Unicode has: each
// becomes its own windows-1254 byte or exactly one "?". The expected bytes come
// from glibc's converters the other way round, not from a table.

#include "menu/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <iconv.h>

namespace rsa {
namespace {

// `bytes` converted between two encodings; "" when they are not valid.
std::string convert(const char* to, const char* from, std::string bytes) {
    const iconv_t converter = iconv_open(to, from);
    std::string out(4 * bytes.size(), '\0');
    char* in = bytes.data();
    char* next = out.data();
    std::size_t inLeft = bytes.size();
    std::size_t outLeft = out.size();
    const bool done =
        iconv(converter, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    return done ? out.substr(0, out.size() - outLeft) : "";
}

TEST(CodePage, EveryScalarValueBecomesItsByteOrOneQuestionMark) {
    std::map<char32_t, char> bytes;
    for (int value = 0; value < 256; ++value) {
        const std::string character = convert("UTF-32LE", "CP1254", std::string(1, char(value)));
        if (character.size() == 4) {
            bytes[char32_t(std::uint8_t(character[0]) | std::uint8_t(character[1]) << 8 |
                           std::uint8_t(character[2]) << 16)] = char(value);
        }
    }
    // Every byte but the seven the code page leaves unassigned: 81, 8D-90, 9D, 9E.
    ASSERT_EQ(bytes.size(), 249U);
    // All of them in one text: a character dropped or doubled anywhere shifts
    // every byte after it.
    std::u32string all;
    std::string expected;
    for (char32_t c = 0; c <= 0x10FFFF; c = c == 0xD7FF ? 0xE000 : c + 1) {
        all += c;
        expected += bytes.count(c) != 0 ? bytes[c] : '?';
    }
    const std::string saved = toWindows1254(
        convert("UTF-8", "UTF-32LE",
                std::string(reinterpret_cast<const char*>(all.data()), 4 * all.size())));
    const auto wrong = std::mismatch(saved.begin(), saved.end(), expected.begin(), expected.end());
    ASSERT_EQ(wrong.first, saved.end()) << "first wrong at U+" << std::hex
                                        << unsigned(all[std::size_t(wrong.first - saved.begin())]);
    EXPECT_EQ(saved.size(), expected.size());
}

} // namespace
} // namespace rsa
