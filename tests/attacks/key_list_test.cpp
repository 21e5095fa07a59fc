// A class's list of keys: which lines give keys, which are skipped and why,
// and which keys share a prime, named by their lines. A folder, a missing file
// and a file that is no text, opened in the window, are refused in the golden
// scenario attacks_key_lines.

#include "attacks/KeyList.h"

#include <gtest/gtest.h>

namespace rsa::attacks {
namespace {

TEST(KeyList, ReadsTheLinesOfAClass) {
    const std::string text = "\xEF\xBB\xBF# 10-A\r\n"
                             "e = 3   n = 187\r\n"
                             "\r\n"
                             "Ayşe 3233\r\n"
                             "(7, 221)   # Mehmet\r\n"
                             "n = 187, e = 7\r\n"
                             "3233\n"
                             "e = 5 n = 99999999999\n"
                             "  ١٨٧  \n"
                             "e = 5 n = 9999999999999999999999";
    const KeyList list = readKeyList(text);
    ASSERT_EQ(list.keys.size(), 3u);
    const std::pair<std::size_t, std::uint64_t> keys[] = {{2, 187}, {5, 221}, {7, 3233}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(list.keys[i].line, keys[i].first);
        EXPECT_EQ(list.keys[i].n, keys[i].second);
    }
    const struct {
        std::size_t line;
        RefusalKind rule;
        std::vector<std::string> named;
    } skipped[] = {
        {4, RefusalKind::NotKeyLine, {}},
        {6, RefusalKind::SameKey, {"2"}},
        {8, RefusalKind::Modulus, {"99999999999", "4294967295"}},
        {9, RefusalKind::SameKey, {"2"}},
        {10, RefusalKind::TooLarge, {"9999999999999999999999", "9223372036854775807"}},
    };
    ASSERT_EQ(list.skipped.size(), std::size(skipped));
    for (std::size_t i = 0; i < std::size(skipped); ++i) {
        EXPECT_EQ(list.skipped[i].line, skipped[i].line);
        EXPECT_EQ(list.skipped[i].why.rule, skipped[i].rule) << skipped[i].line;
        EXPECT_EQ(list.skipped[i].why.numbers, skipped[i].named) << skipped[i].line;
    }
    const Outcome outcome = runKeyList(list);
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(foundText(outcome), "2=11*17 5=13*17 skipped=4,6,8,9,10");
}

TEST(KeyList, RefusesWhatNoClassListIs) {
    const auto refused = [](const KeyList& list) { return runKeyList(list).refusal->rule; };
    EXPECT_EQ(refused(readKeyList("187\nbir\n")), RefusalKind::FewKeys);
    EXPECT_EQ(refused(readKeyList("187\n299\n")), RefusalKind::SharedNone);
    // As many keys as are compared (1000005 and 1000011 share 3), then one
    // line more that is no key: every line that may be a key counts.
    std::string many;
    for (std::uint64_t n = 0; n < largestKeyList; ++n) {
        many += std::to_string(1000001 + 2 * n) + "\n";
    }
    EXPECT_FALSE(runKeyList(readKeyList(many)).refusal);
    EXPECT_EQ(refused(readKeyList(many + "bir\n")), RefusalKind::TooManyKeys);
}

} // namespace
} // namespace rsa::attacks
