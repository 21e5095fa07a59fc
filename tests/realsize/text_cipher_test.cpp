// Textbook RSA repeats itself and OAEP does not, every cipher text comes back
// to the sentence, and a text that does not fit is refused with its limit.
#include "realsize/TextCipher.h"

#include <gtest/gtest.h>

#include <random>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

// Characters of one to four UTF-8 bytes, Turkish letters among them.
const std::vector<std::string> alphabet{"a", "Z", " ", ",", "ç", "ğ", "ı",
                                        "İ", "ö", "ş", "ü", "€", "😀"};

// A random text of exactly `bytes` bytes (topped up with ASCII letters).
std::string randomText(std::size_t bytes, std::mt19937& draw) {
    std::string text;
    for (;;) {
        const std::string& next = alphabet[draw() % alphabet.size()];
        if (text.size() + next.size() > bytes) {
            break;
        }
        text += next;
    }
    return text + std::string(bytes - text.size(), 'x');
}

TEST(TextCipher, LimitIsTheKeyLengthLessOaepsSixtySixBytes) {
    const std::vector<std::pair<int, std::size_t>> cases{{512, 0},   {528, 0},    {536, 1},
                                                         {1024, 62}, {2048, 190}, {4096, 446}};
    for (const auto& [bits, bytes] : cases) {
        EXPECT_EQ(largestTextBytes(bits), bytes) << bits;
    }
}

TEST(TextCipher, CharactersCountOnlyWholeOnes) {
    const std::vector<std::tuple<std::string, std::size_t, std::size_t>> cases{
        {"çay", 1, 0}, {"çay", 2, 1}, {"çay", 10, 3}, {"a😀b", 4, 1}, {"a😀b", 5, 2}};
    for (const auto& [text, bytes, characters] : cases) {
        EXPECT_EQ(charactersWithin(text, bytes), characters) << text << ' ' << bytes;
    }
}

TEST(TextCipher, RandomTextsUpToTheLimitComeBackAndOneByteMoreIsRefused) {
    RandomSource random;
    std::mt19937 draw(22);
    for (const int bits : {1024, 2048}) {
        const BigKey key = *generateKey(bits, random, goOn);
        const std::size_t limit = largestTextBytes(bits);
        for (const std::size_t bytes : {std::size_t{1}, limit / 2, limit}) {
            const std::string text = randomText(bytes, draw);
            const TextOutcome outcome = encryptTwice(key, text);
            ASSERT_TRUE(std::holds_alternative<TextContrast>(outcome)) << bits << ' ' << bytes;
            const auto& contrast = std::get<TextContrast>(outcome);
            EXPECT_TRUE(contrast.textbookSame());
            EXPECT_FALSE(contrast.oaepSame());
            EXPECT_LT(contrast.textbookFirst, key.n);
            EXPECT_EQ(contrast.oaepFirst.size(), static_cast<std::size_t>(bits / 8));
            for (const std::string& back : contrast.back) {
                EXPECT_EQ(back, text);
            }
        }
        const std::string over = randomText(limit, draw) + "a";
        const TextOutcome refused = encryptTwice(key, over);
        ASSERT_TRUE(std::holds_alternative<TextRefused>(refused));
        const auto& refusal = std::get<TextRefused>(refused);
        EXPECT_EQ(refusal.reason, TextRefusal::TextTooLong);
        EXPECT_EQ(refusal.largestBytes, limit);
        EXPECT_EQ(refusal.largestCharacters, charactersWithin(over, limit));
    }
}

TEST(TextCipher, EmptyTextsAndKeysTooSmallForOaepAreRefused) {
    RandomSource random;
    const BigKey small = *generateKey(512, random, goOn);
    const BigKey large = *generateKey(1024, random, goOn);
    const auto reason = [](const TextOutcome& outcome) {
        return std::get<TextRefused>(outcome).reason;
    };
    EXPECT_EQ(reason(encryptTwice(small, "a")), TextRefusal::KeyTooSmallForOaep);
    EXPECT_EQ(reason(encryptTwice(large, "")), TextRefusal::EmptyText);
}

} // namespace
} // namespace rsa::realsize
