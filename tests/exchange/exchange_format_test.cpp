// The forms a message takes between learners that the golden scenarios do
// not reach: a public key line as pasted, every separator between pasted
// blocks, card numbers that are not sixteen digits, the line endings a .ENC
// may have. A .SIG read back is in exchange_window_test; a FIFO that must not
// hang the window is in the golden scenario exchange_main_window_file.

#include "exchange/ExchangeFiles.h"
#include "exchange/ExchangeKey.h"

#include <gtest/gtest.h>

#include <fstream>

namespace rsa::exchange {
namespace {

const Blocks worked{1730, 180, 1794, 3165, 1668, 1730, 180, 1794};

std::string fileWith(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(ExchangeBlocks, SeparatorsOfEveryKind) {
    struct Case {
        const char* text;
        std::size_t found;
    };
    const Case cases[] = {
        {"1730,180,1794,3165,1668,1730,180,1794", 8},           // commas alone
        {"1730, 180 ,1794\t3165\n1668  1730,,180 1794\r\n", 8}, // mixed, runs of them
        {"0001730 0180 1794 3165 1668 1730 180 1794", 8},       // leading zeros
        // Two encryptions appended in the main window's box: the newest is last.
        {" 1 2 3 4 5 6 7 8 1730 180 1794 3165 1668 1730 180 1794", 16},
        // An editor's byte order mark is no block.
        {"\xEF\xBB\xBF"
         "1730 180 1794 3165 1668 1730 180 1794",
         8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Result<ReceivedBlocks> parsed = parseBlocks(c.text);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->blocks, worked);
        EXPECT_EQ(parsed->found, c.found);
        EXPECT_EQ(parsed->tookLastEight(), c.found > 8);
    }
}

TEST(ExchangeCard, GroupsOrDigitsAndLeadingZeros) {
    const Blocks expected{12, 34, 56, 78, 90, 12, 34, 56};
    EXPECT_EQ(parseCard("  1234  5678 9012\t3456 ").value(), expected);
    const Blocks zeros{0, 12, 34, 0, 0, 0, 0, 99};
    EXPECT_EQ(parseCard("0012 3400 0000 0099").value(), zeros);
    EXPECT_EQ(cardText(zeros), "0012 3400 0000 0099");
    for (const char* wrong :
         {"", "1234 5678 9012 34567", "1234 5678 9012 345a", "1234-5678-9012-3456",
          "12 3456 7890 123456", "1234 5678 9012 3456 0000"}) {
        EXPECT_FALSE(parseCard(wrong)) << wrong;
    }
}

// The line "Kopyala" copies comes back as the two numbers in the forms a
// classmate may paste or type it, the step window's "(17, 3233)" among them;
// anything else is not a key line.
TEST(ExchangeKeyLine, CopiedLineAndItsPastedForms) {
    const PublicKey key{65537, 2147395591};
    const std::optional<PublicKeyTexts> copied = splitPublicKeyLine(publicKeyLine(key));
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->e, "65537");
    EXPECT_EQ(copied->n, "2147395591");
    for (const char* pasted :
         {"E=17,N=3233", " (e = 17; n = 3233) \n", "e = 17\tn = 3233", "e = 17 n = 3233",
          "n = 3233, e = 17", "(17, 3233)", "(e, n) = (17, 3233)", "(n, e) = (3233, 17)"}) {
        const std::optional<PublicKeyTexts> split = splitPublicKeyLine(pasted);
        ASSERT_TRUE(split) << pasted;
        EXPECT_EQ(split->e + " " + split->n, "17 3233") << pasted;
    }
    for (const char* other :
         {"17", "17 3233", "e = 17", "e = n = 3233", "(e = 17 n = 3233", "e = -17 n = 3233",
          "e = 17 n = 3233 x", "e = 17 e = 3233", "(e, n) = (17)", "(e, e) = (17, 3233)",
          "en = 17 n = 3233", "(17, 3233, 5)"}) {
        EXPECT_FALSE(splitPublicKeyLine(other)) << other;
    }
}

// The main window writes CR LF (the golden scenarios read those); a .ENC
// from another editor may end in LF or in nothing.
TEST(ExchangeFiles, EncLineEndings) {
    for (const char* bytes :
         {" 1730 180 1794 3165 1668 1730 180 1794\n", " 1730 180 1794 3165 1668 1730 180 1794"}) {
        const Result<ReceivedBlocks> read = readEncFile(fileWith("endings.ENC", bytes));
        ASSERT_TRUE(read) << bytes;
        EXPECT_EQ(read->blocks, worked);
    }
}

} // namespace
} // namespace rsa::exchange
