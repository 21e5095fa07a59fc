// Every refusal of the exchange once, with the numbers it carries, and the
// value just inside each limit accepted.

#include "exchange/ExchangeFiles.h"
#include "exchange/Messages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

namespace rsa::exchange {
namespace {

const KeyPair worked{61, 53, 17, 2753, 3233};
const Blocks card{12, 34, 56, 78, 90, 12, 34, 56};

template <typename T> std::optional<Refusal> refusalOf(const Result<T>& outcome) {
    if (outcome) {
        return std::nullopt;
    }
    return outcome.refusal();
}

std::string fileWith(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

struct RefusalCase {
    const char* name;
    std::function<std::optional<Refusal>()> act;
    RefusalKind kind;
    std::size_t index;
    std::int64_t value;
    std::int64_t limit;
    std::string text;
};

const RefusalCase refusalCases[] = {
    {"modulus with a point", [] { return refusalOf(parsePublicKey("17", "3233.0")); },
     RefusalKind::ModulusNotWhole, 0, 0, 2147483647, "3233.0"},
    {"exponent a word", [] { return refusalOf(parsePublicKey("on yedi", "3233")); },
     RefusalKind::ExponentNotWhole, 0, 0, 2147483647, "on yedi"},
    {"modulus 99", [] { return refusalOf(parsePublicKey("17", "99")); },
     RefusalKind::ModulusBelow100, 0, 99, 0, ""},
    {"exponent 1", [] { return refusalOf(parsePublicKey("1", "3233")); },
     RefusalKind::ExponentBelowTwo, 0, 1, 0, ""},
    {"even exponent for a fresh pair",
     [] { return refusalOf(drawKeyPair(1000, 65536, systemRandom())); }, RefusalKind::ExponentEven,
     0, 65536, 0, ""},
    // Every prime q from 7 to 97 has a q - 1 sharing a factor with
    // 3 · 5 · 7 · 11 · 13 · 23 · 29 · 41; of 2, 3, 5 and 17 no two make 100.
    {"no pair suits e", [] { return refusalOf(drawKeyPair(100, 410615205, systemRandom())); },
     RefusalKind::NoPairForExponent, 0, 410615205, 100, ""},
    {"received block of n",
     [] {
         return refusalOf(decryptBlocks(worked, {1, 2, 3, 4, 3233, 6, 7, 8}));
     },
     RefusalKind::BlockNotBelowModulus, 5, 3233, 3233, ""},
    {"signing with n below the blocks",
     [] {
         return refusalOf(signCard(KeyPair{5, 7, 5, 5, 35}, card));
     },
     RefusalKind::BlockNotBelowModulus, 3, 56, 35, ""},
    {"signature block of n",
     [] {
         return refusalOf(verifySignature({17, 3233}, card, {3233, 0, 0, 0, 0, 0, 0, 0}));
     },
     RefusalKind::BlockNotBelowModulus, 1, 3233, 3233, ""},
    {"block beyond 2^31 - 1", [] { return refusalOf(parseBlocks("1 2 3 4 5 6 7 2147483648")); },
     RefusalKind::BlockBeyondRange, 8, 0, 2147483647, "2147483648"},
    {"negative block as the main window shows it",
     [] { return refusalOf(parseBlocks(" 1-1730-180 0 0 0 2369 2183 1794 5")); },
     RefusalKind::BlockNotNumber, 1, 0, 0, "1-1730-180"},
    {"seven blocks", [] { return refusalOf(parseBlocks("1,2,3,4,5,6,7")); },
     RefusalKind::TooFewBlocks, 0, 7, 0, ""},
    // 100^17 mod 3233 = 1773 decrypts to 100: not a block of a card.
    {"blocks of another key",
     [] {
         return refusalOf(decryptBlocks(worked, {1730, 180, 1773, 0, 0, 0, 0, 0}));
     },
     RefusalKind::BlockNotTwoDigits, 3, 100, 0, ""},
    {"card of fifteen digits", [] { return refusalOf(parseCard("1234 5678 9012 345")); },
     RefusalKind::CardNotSixteenDigits, 0, 0, 0, "1234 5678 9012 345"},
    {"card in two groups", [] { return refusalOf(parseCard("12345678 90123456")); },
     RefusalKind::CardNotSixteenDigits, 0, 0, 0, "12345678 90123456"},
    {"receiving without a key", [] { return refusalOf(decryptBlocks(std::nullopt, card)); },
     RefusalKind::NoKey, 0, 0, 0, ""},
    {"missing file", [] { return refusalOf(readEncFile(::testing::TempDir() + "yok.ENC")); },
     RefusalKind::FileUnreadable, 0, 0, 0, "No such file or directory"},
    {".ENC of two lines",
     [] { return refusalOf(readEncFile(fileWith("two.ENC", " 1 2 3 4\r\n 5 6 7 8\r\n"))); },
     RefusalKind::FileLineCount, 0, 2, 1, ""},
    {"empty .ENC", [] { return refusalOf(readEncFile(fileWith("empty.ENC", ""))); },
     RefusalKind::FileLineCount, 0, 0, 1, ""},
    {".SIG of one line",
     [] { return refusalOf(readSigFile(fileWith("one.SIG", "1234 5678 9012 3456\r\n"))); },
     RefusalKind::FileLineCount, 0, 1, 2, ""},
};

TEST(ExchangeRefusals, EachWithItsNumbers) {
    for (const RefusalCase& expected : refusalCases) {
        SCOPED_TRACE(expected.name);
        const std::optional<Refusal> refusal = expected.act();
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, expected.kind);
        EXPECT_EQ(refusal->index, expected.index);
        EXPECT_EQ(refusal->value, expected.value);
        EXPECT_EQ(refusal->limit, expected.limit);
        EXPECT_EQ(refusal->text, expected.text);
    }
}

// The value just inside each limit is taken.
TEST(ExchangeRefusals, LimitsThemselvesAreAccepted) {
    const Result<PublicKey> smallest = parsePublicKey(" +2 ", "100");
    ASSERT_TRUE(smallest);
    EXPECT_EQ(smallest->e, 2u);
    EXPECT_EQ(smallest->n, 100u);
    const Result<PublicKey> largest = parsePublicKey("2147483647", "2147483647");
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->n, 2147483647u);
    EXPECT_TRUE(parseBlocks("1 2 3 4 5 6 7 2147483647"));
    // 3232 = -1 mod 3233 is below n; with d odd it decrypts to 3232 itself.
    const Result<Blocks> largestBlock = decryptBlocks(worked, {3232, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_FALSE(largestBlock);
    EXPECT_EQ(largestBlock.refusal().kind, RefusalKind::BlockNotTwoDigits);
    EXPECT_EQ(largestBlock.refusal().value, 3232);
    EXPECT_TRUE(signCard(KeyPair{7, 13, 5, 29, 91}, {90, 90, 90, 90, 90, 90, 90, 90}));
}

} // namespace
} // namespace rsa::exchange
