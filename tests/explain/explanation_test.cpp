// The explanation against the commands it explains: for any key the window
// accepts and any card, every table ends in the number the window shows; a
// refused key names the paragraph that says why.

#include "cipher/CipherCommands.h"
#include "explain/Explanation.h"
#include "keys/KeyCommands.h"
#include "numbers/NumberRoutines.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"
#include "texts/StepTexts.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>

namespace rsa::explain {
namespace {

namespace texts = rsa::texts::steps;

template <std::size_t N>
std::vector<const Table*> tablesWith(const Section& section, const char* const (&columns)[N]) {
    std::vector<const Table*> found;
    for (const Group& group : section.groups) {
        for (const Element& element : group.elements) {
            const auto* table = std::get_if<Table>(&element);
            if (table != nullptr && std::equal(table->columns.begin(), table->columns.end(),
                                               std::begin(columns), std::end(columns))) {
                found.push_back(table);
            }
        }
    }
    return found;
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
        std::string groups[4];
        for (std::string& group : groups) {
            group = std::to_string(draw(10000, 19999)).substr(1); // leading zeros kept
        }
        window.typeCard(groups[0], groups[1], groups[2], groups[3]);
        const CommandRecord keyRecord = runCommand(commands::computeKey, vars, window);
        const CommandRecord encryptionRecord = runCommand(commands::encryptCard, vars, window);
        const CommandRecord decryptionRecord = runCommand(commands::decryptCard, vars, window);
        SCOPED_TRACE(std::to_string(p) + " " + std::to_string(q) + " " + std::to_string(e));
        ASSERT_TRUE(window.messages.empty()) << window.messages.front().text;

        const Section key = explainCommand(keyRecord, vars).value();
        const auto euclid = tablesWith(key, texts::euclidColumns);
        ASSERT_EQ(euclid.size(), 1u);
        EXPECT_EQ(euclid[0]->rows.back().back(), plainText(vars.d));
        // Every row keeps the rule printed above the table for the e in its
        // title, the first rows included, also for an e above phi.
        for (std::size_t row = 0; row + 1 < euclid[0]->rows.size(); ++row) {
            const std::vector<std::string>& cells = euclid[0]->rows[row];
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
        for (std::size_t k = 0; k < 8; ++k) {
            EXPECT_EQ(encrypted[k]->rows.back().back(), plainText(vars.c[k]));
            EXPECT_EQ(decrypted[k]->rows.back().back(), plainText(vars.r[k]));
            // The block the attacker reads from the cipher block alone.
            EXPECT_EQ(attacker[0]->rows[k].back(), groups[k / 2].substr(k % 2 * 2, 2));
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

// Gives phiValue a slot its three numbers do not fill.
std::string slotWithoutArgument(const char* text) {
    return std::string(text) == texts::phiValue ? "φ = {0} × {1} = {3}." : text;
}

TEST(Explanation, ATranslationWithASlotWithoutArgumentFailsLoudly) {
    WindowVariables vars;
    testing::RecordingWindow window;
    window.typeKey("7", "11", "");
    const CommandRecord record = runCommand(commands::listPhiDivisors, vars, window);
    EXPECT_NO_THROW(explainCommand(record, vars));
    EXPECT_THROW(explainCommand(record, vars, &slotWithoutArgument), std::logic_error);
}

} // namespace
} // namespace rsa::explain
