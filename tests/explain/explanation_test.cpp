// The explanation against the commands it explains: for any key the window
// accepts and any card, negative groups included, every table ends in the
// number the window shows, with the sign the window gave it; a refused key
// names the paragraph that says why.

#include "cipher/CipherCommands.h"
#include "explain/Arithmetic.h"
#include "explain/Explanation.h"
#include "keys/KeyCommands.h"
#include "numbers/NumberRoutines.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"
#include "texts/StepTexts.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>

namespace rsa::explain {
namespace {

namespace texts = rsa::texts::steps;

// Each table with these columns and the title of the group it stands in.
struct Found {
    const Table* table;
    std::string title;
};

template <std::size_t N>
std::vector<Found> tablesWith(const Section& section, const char* const (&columns)[N]) {
    std::vector<Found> found;
    for (const Group& group : section.groups) {
        for (const Element& element : group.elements) {
            const auto* table = std::get_if<Table>(&element);
            if (table != nullptr && std::equal(table->columns.begin(), table->columns.end(),
                                               std::begin(columns), std::end(columns))) {
                found.push_back({table, group.title});
            }
        }
    }
    return found;
}

// The block a group's title ends in, "Blok 3: c₃ = (−12)¹⁷ mod 3233 = −1520".
std::string titleResult(const std::string& title) {
    return title.substr(title.rfind(" = ") + 3);
}

// A table cell's number, written with a real minus sign.
std::int64_t signedNumber(const std::string& cell) {
    const std::string minus = "−";
    const bool negative = cell.compare(0, minus.size(), minus) == 0;
    const std::int64_t magnitude = std::stoll(cell.substr(negative ? minus.size() : 0));
    return negative ? -magnitude : magnitude;
}

TEST(Explanation, EveryTableEndsInTheBlockOrKeyTheWindowShows) {
    std::mt19937 random(20240611);
    const auto draw = [&](std::uint32_t low, std::uint32_t high) {
        return std::uniform_int_distribution<std::uint32_t>(low, high)(random);
    };
    const auto prime = [&](std::uint32_t low, std::uint32_t high) {
        std::uint32_t n = draw(low, high);
        while (!isPrimeNumber(n)) {
            n = n < high ? n + 1 : low;
        }
        return n;
    };
    for (int i = 0; i < 1000; ++i) {
        // Moduli of every size from 100 to 2^31, exponents up to 2^31 - 1,
        // below and above phi.
        const std::uint32_t p = prime(2, 1u << draw(2, 16));
        std::uint32_t q = p;
        while (q == p) {
            q = prime(std::max(2u, 100 / p + 1), 2147483647u / p);
        }
        const std::uint64_t phi = std::uint64_t(p - 1) * (q - 1);
        std::uint64_t e = draw(2, 2147483000u);
        while (std::gcd(e, phi) != 1) {
            ++e;
        }
        WindowVariables vars;
        testing::RecordingWindow window;
        window.typeKey(std::to_string(p), std::to_string(q), std::to_string(e));
        // Leading zeros kept; a group in four is negative, which makes both
        // its blocks negative.
        std::string digits[4];
        std::string groups[4];
        for (int g = 0; g < 4; ++g) {
            digits[g] = std::to_string(draw(10000, 19999)).substr(1);
            groups[g] = (draw(0, 3) == 0 ? "-" : "") + digits[g];
        }
        window.typeCard(groups[0], groups[1], groups[2], groups[3]);
        const CommandRecord keyRecord = runCommand(commands::computeKey, vars, window);
        const CommandRecord encryptionRecord = runCommand(commands::encryptCard, vars, window);
        const CommandRecord decryptionRecord = runCommand(commands::decryptCard, vars, window);
        SCOPED_TRACE(std::to_string(p) + " " + std::to_string(q) + " " + std::to_string(e));
        ASSERT_TRUE(window.messages.empty()) << window.messages.front().text;

        const Section key = explainCommand(keyRecord, vars).value();
        const auto found = tablesWith(key, texts::euclidColumns);
        ASSERT_EQ(found.size(), 1u);
        const Table* euclid = found[0].table;
        EXPECT_EQ(euclid->rows.back().back(), plainText(vars.d));
        // Every row keeps the rule printed above the table for the e in its
        // title, the first rows included, also for an e above phi.
        for (std::size_t row = 0; row + 1 < euclid->rows.size(); ++row) {
            const std::vector<std::string>& cells = euclid->rows[row];
            EXPECT_EQ(signedNumber(cells[1]), signedNumber(cells[3]) * std::int64_t(phi) +
                                                  signedNumber(cells[4]) * std::int64_t(e))
                << "row " << row;
        }

        const Section encryption = explainCommand(encryptionRecord, vars).value();
        const Section decryption = explainCommand(decryptionRecord, vars).value();
        const auto encrypted = tablesWith(encryption, texts::powerColumns);
        const auto decrypted = tablesWith(decryption, texts::powerColumns);
        const auto attacker = tablesWith(encryption, texts::attackerColumns);
        ASSERT_EQ(encrypted.size(), 8u);
        ASSERT_EQ(decrypted.size(), 8u);
        ASSERT_EQ(attacker.size(), 1u);
        const auto magnitude = [](const Variant& block) {
            return std::to_string(std::llabs(block.toLongRounded()));
        };
        for (std::size_t k = 0; k < 8; ++k) {
            SCOPED_TRACE("block " + std::to_string(k + 1) + " of " + groups[k / 2]);
            // The table works with the magnitude; the title gives the sign.
            EXPECT_EQ(encrypted[k].table->rows.back().back(), magnitude(vars.c[k]));
            EXPECT_EQ(titleResult(encrypted[k].title), number(vars.c[k].toLongRounded()));
            EXPECT_EQ(decrypted[k].table->rows.back().back(), magnitude(vars.r[k]));
            EXPECT_EQ(titleResult(decrypted[k].title), number(vars.r[k].toLongRounded()));
            // The block the attacker reads from the cipher block alone; a
            // negative one is in no table of blocks from 00 to 99.
            EXPECT_EQ(attacker[0].table->rows[k].back(), vars.c[k].toNumber() < 0
                                                             ? texts::notInTable
                                                             : digits[k / 2].substr(k % 2 * 2, 2));
        }
    }
}

TEST(Explanation, ARefusedKeyNamesTheParagraphThatSaysWhy) {
    const struct {
        const char *p, *q, *e, *refusal;
    } cases[] = {
        {"4", "53", "17", "p = 4 asal değildir"},   {"61", "4", "17", "q = 4 asal değildir"},
        {"61", "61", "17", "p = q = 61:"},          {"61", "53", "1", "e = 1:"},
        {"61", "53", "9", "ebob(9, 3120) = 3 ≠ 1"}, {"61", "53", "17", ""}};
    for (const auto& each : cases) {
        WindowVariables vars;
        testing::RecordingWindow window;
        window.typeKey(each.p, each.q, each.e);
        const Section section =
            explainCommand(runCommand(commands::computeKey, vars, window), vars).value();
        EXPECT_EQ(section.refusal.substr(0, std::string(each.refusal).size()), each.refusal)
            << each.p << ' ' << each.q << ' ' << each.e;
        const std::vector<std::string> lines = plainTextLines(section);
        EXPECT_TRUE(section.refusal.empty() ||
                    std::count(lines.begin(), lines.end(), section.refusal) == 1)
            << section.refusal;
    }
}

} // namespace
} // namespace rsa::explain
