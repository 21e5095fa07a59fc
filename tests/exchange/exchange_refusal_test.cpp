// The refusals of the exchange whose numbers and quoted text no golden
// scenario prints, and the value just inside each limit accepted.

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
    std::vector<std::string> numbers;
};

// Only the refusals and fields the golden scenarios exchange_refusals and
// exchange_main_window_file do not print: the text a refusal quotes, the main window's own negative
// blocks, the 2^31 boundary and the refusals of a file's contents.
const RefusalCase refusalCases[] = {
    // The empty box is named, and e is judged before n.
    {"no key at all",
     [] { return refusalOf(parsePublicKey(" ", "")); },
     RefusalKind::KeyMissing,
     {}},
    {"no e",
     [] { return refusalOf(parsePublicKey("", "3233")); },
     RefusalKind::ExponentMissing,
     {}},
    {"no n", [] { return refusalOf(parsePublicKey("17", "\t")); }, RefusalKind::ModulusMissing, {}},
    {"both wrong",
     [] { return refusalOf(parsePublicKey("(17, 3233", "abc")); },
     RefusalKind::ExponentNotWhole,
     {"2147483647"}},
    // A bad piece is counted in the whole text and quoted by its start only,
    // a character of several bytes kept whole.
    {"long bad piece among more than eight",
     [] {
         return refusalOf(parseBlocks("1 2 3 4 5 6 7 8 9 " + std::string(23, 'x') + "ğ" +
                                      std::string(1000000, 'y') + " 11 12 13 14 15 16"));
     },
     RefusalKind::BlockNotNumber,
     {"10", std::string(23, 'x') + "…"}},
    {"negative block as the main window shows it",
     [] { return refusalOf(parseBlocks(" 1-1730-180 0 0 0 2369 2183 1794 5")); },
     RefusalKind::BlockNotNumber,
     {"1", "1-1730-180"}},
    {"empty .ENC",
     [] { return refusalOf(readEncFile(fileWith("empty.ENC", ""))); },
     RefusalKind::FileLineCount,
     {"0", "1"}},
    {".SIG of one line",
     [] { return refusalOf(readSigFile(fileWith("one.SIG", "1234 5678 9012 3456\r\n"))); },
     RefusalKind::FileLineCount,
     {"1", "2"}},
    {".SIG whose card is short",
     [] {
         return refusalOf(readSigFile(fileWith("bad.SIG", "0012 3400 0000\n 1 2 3 4 5 6 7 8\n")));
     },
     RefusalKind::CardNotSixteenDigits,
     {"0012 3400 0000"}},
    {".SIG of three blocks",
     [] { return refusalOf(readSigFile(fileWith("short.SIG", "0012 3400 0000 0099\n 1 2 3\n"))); },
     RefusalKind::TooFewBlocks,
     {"3"}},
    // The letters are one word: one block is counted before any is read.
    {".ENC of letters",
     [] { return refusalOf(readEncFile(fileWith("letters.ENC", "\xf0\xfc\r\n"))); },
     RefusalKind::TooFewBlocks,
     {"1"}},
    {"byte order mark before too few blocks",
     [] { return refusalOf(readEncFile(fileWith("bom.ENC", "\xEF\xBB\xBF 1 2 3 4 5 6 7\r\n"))); },
     RefusalKind::TooFewBlocks,
     {"7"}},
    {".ENC with a blank second line",
     [] { return refusalOf(readEncFile(fileWith("blank.ENC", " 1 2 3 4 5 6 7 8\r\n\r\n"))); },
     RefusalKind::FileLineCount,
     {"2", "1"}},
};

TEST(ExchangeRefusals, EachWithItsNumbers) {
    for (const RefusalCase& expected : refusalCases) {
        SCOPED_TRACE(expected.name);
        const std::optional<Refusal> refusal = expected.act();
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->rule, expected.kind);
        EXPECT_EQ(refusal->numbers, expected.numbers);
    }
}

// The value just inside each limit is taken.
TEST(ExchangeRefusals, LimitsThemselvesAreAccepted) {
    const Result<PublicKey> largest = parsePublicKey(" +2147483647 ", "2147483647");
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->e, 2147483647u);
    EXPECT_EQ(largest->n, 2147483647u);
    EXPECT_TRUE(parseBlocks("1 2 3 4 5 6 7 2147483647"));
    // 3232 = -1 mod 3233 is below n; with d odd it decrypts to 3232 itself.
    const Result<Blocks> largestBlock = decryptBlocks(worked, {3232, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_FALSE(largestBlock);
    EXPECT_EQ(largestBlock.refusal().rule, RefusalKind::BlockNotTwoDigits);
    EXPECT_EQ(largestBlock.refusal().numbers, (std::vector<std::string>{"1", "3232"}));
    EXPECT_TRUE(signCard(KeyPair{7, 13, 5, 29, 91}, {90, 90, 90, 90, 90, 90, 90, 90}));
}

} // namespace
} // namespace rsa::exchange
