// Messages of Turkish letters: the packing rule at each boundary, Turkish
// upper-casing, and for random keys of every range and random messages, a
// send comes back, a signature verifies and one changed block fails.

#include "exchange/TextMessages.h"

#include <gtest/gtest.h>

#include <random>

namespace rsa::exchange {
namespace {

TEST(LetterPacking, AsManyLettersAsKeepEveryBlockBelowN) {
    const std::vector<std::pair<std::uint32_t, std::size_t>> cases = {
        {29, 0},     {30, 1},       {2929, 1},     {2930, 2},          {292929, 2},
        {292930, 3}, {29292929, 3}, {29292930, 4}, {largestModulus, 4}};
    for (const auto& [n, perBlock] : cases) {
        EXPECT_EQ(lettersPerBlock(n), perBlock) << n;
    }
    // The last block is filled up with blanks; blanks at the end do not come back.
    const LetterCodes message = {15, 5, 20};
    EXPECT_EQ(packLetters(message, 2), (BlockList{1505, 2029}));
    EXPECT_EQ(unpackLetters({1505, 2029}, 2).value(), message);
}

TEST(LetterPacking, TurkishUpperCaseAndRefusals) {
    EXPECT_EQ(messageText(parseMessage("ıi çğöşü  ").value()), "Iİ ÇĞÖŞÜ");
    // The golden scenario exchange_text_refusals shows the other refusals: a
    // letter outside the alphabet, no letter, more than forty, a block that is
    // no letters. A byte that is no UTF-8 and a character of three are named.
    EXPECT_EQ(parseMessage("a\xff").refusal().rule, RefusalKind::LetterNotAllowed);
    EXPECT_EQ(parseMessage("ab€").refusal().numbers, (std::vector<std::string>{"3", "€"}));
}

class TextRoundTrip : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(TextRoundTrip, SendReceiveSignVerifyAndTamper) {
    const RandomSource source = systemRandom();
    std::mt19937 random(GetParam());
    for (int round = 0; round < 200; ++round) {
        const KeyPair key = drawKeyPair(GetParam(), std::nullopt, source).value();
        LetterCodes message(1 + random() % longestMessage);
        for (std::uint32_t& code : message) {
            code = random() % letterCount;
        }
        message.back() = random() % blankCode;

        const Result<TextBlocks> cipher = encryptText(key.publicKey(), message);
        ASSERT_TRUE(cipher);
        EXPECT_EQ(cipher->perBlock, lettersPerBlock(key.n));
        const Result<ReceivedText> back = decryptText(key, cipher->result);
        ASSERT_TRUE(back) << static_cast<int>(back.refusal().rule);
        EXPECT_EQ(back->message, message);

        const Result<TextBlocks> signature = signText(key, message);
        ASSERT_TRUE(signature);
        EXPECT_TRUE(verifyText(key.publicKey(), message, signature->result)->valid());

        BlockList forged = signature->result;
        const std::size_t changed = random() % forged.size();
        forged[changed] = (forged[changed] + 1 + random() % (key.n - 1)) % key.n;
        EXPECT_EQ(verifyText(key.publicKey(), message, forged)->mismatch,
                  std::vector<std::size_t>{changed + 1});
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRange, TextRoundTrip, ::testing::ValuesIn(keyRanges));

} // namespace
} // namespace rsa::exchange
