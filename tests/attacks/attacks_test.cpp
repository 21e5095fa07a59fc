// Every attack on its worked example gives the lesson's numbers, on its
// failing example refuses by the rule that fails, and on generated examples
// recovers what was hidden, checked by computation of the test's own
// (its own modular power, trial division).

#include "attacks/Attack.h"
#include "testing/Oracles.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace rsa::attacks {
namespace {

using testing::powerMod;
using testing::prime;

std::map<std::string, std::string> found(const Outcome& outcome) {
    return {outcome.found.begin(), outcome.found.end()};
}

// The buttons' examples; the golden scenario attacks pins what the window
// shows for the same numbers typed.
TEST(Attacks, ReadyExamplesGiveTheLessonsNumbersAndFailingOnesRefuseByTheirRule) {
    const struct {
        AttackId attack;
        const char* result;
        RefusalKind rule;
    } cases[] = {
        {AttackId::Fermat, "p=101 q=103 steps=1", RefusalKind::FermatSteps},
        {AttackId::PMinus1, "p=13 q=23", RefusalKind::PMinus1None},
        {AttackId::Shared, "187=11*17 221=13*17", RefusalKind::SharedNone},
        {AttackId::SmallE, "m=5", RefusalKind::NotPower},
        {AttackId::Hastad, "m=42", RefusalKind::NotOneMessage},
        {AttackId::Common, "m=42", RefusalKind::ExponentsShare},
        {AttackId::Wiener, "d=5 p=239 q=379", RefusalKind::Wiener},
        {AttackId::Chosen, "m=42", RefusalKind::NoKey},
        {AttackId::Forge, "m=10 s=54", RefusalKind::Signature},
        {AttackId::Fault, "p=11 q=17", RefusalKind::FaultNone},
    };
    for (const auto& c : cases) {
        const Outcome ready = runAttack(c.attack, readyExample(c.attack));
        EXPECT_FALSE(ready.refusal) << driverName(c.attack);
        EXPECT_EQ(foundText(ready), c.result) << driverName(c.attack);
        const Outcome failing = runAttack(c.attack, failingExample(c.attack));
        ASSERT_TRUE(failing.refusal) << driverName(c.attack);
        EXPECT_EQ(failing.refusal->rule, c.rule) << driverName(c.attack);
        EXPECT_TRUE(failing.found.empty()) << driverName(c.attack);
    }
}

TEST(Attacks, RefusalsOfTheNumbersThemselves) {
    const struct {
        const char* name;
        AttackId attack;
        std::vector<std::uint64_t> numbers;
        RefusalKind rule;
        std::vector<std::string> named;
    } cases[] = {
        {"one key is no list", AttackId::Shared, {187}, RefusalKind::Count, {"2", "1"}},
        {"Håstad needs 2e + 1", AttackId::Hastad, {3, 55, 391}, RefusalKind::Count, {"7", "3"}},
        {"a block not below n",
         AttackId::SmallE,
         {187, 3, 187},
         RefusalKind::Block,
         {"187", "187"}},
        {"an even n", AttackId::Fermat, {10404}, RefusalKind::Even, {"10404"}},
        {"an even n for p − 1", AttackId::PMinus1, {10404, 4}, RefusalKind::Even, {"10404"}},
        {"a prime n", AttackId::Fermat, {7}, RefusalKind::Modulus, {"7", "4294967295"}},
        {"only 1 · n", AttackId::Fermat, {17}, RefusalKind::FermatPrime, {"17"}},
        {"moduli sharing a prime",
         AttackId::Hastad,
         {3, 55, 187, 1189, 3, 9, 370},
         RefusalKind::ModuliShare,
         {}},
        {"both p - 1 divide B!", AttackId::PMinus1, {221, 4}, RefusalKind::PMinus1All, {"4"}},
    };
    for (const auto& c : cases) {
        const Outcome outcome = runAttack(c.attack, c.numbers);
        ASSERT_TRUE(outcome.refusal) << c.name;
        EXPECT_EQ(outcome.refusal->rule, c.rule) << c.name;
        EXPECT_EQ(outcome.refusal->numbers, c.named) << c.name;
    }
}

TEST(Attacks, ReadsTypedNumbers) {
    const auto read = readNumbers(" 187  3\t125 9223372036854775807");
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint64_t>>(read));
    EXPECT_EQ(std::get<std::vector<std::uint64_t>>(read),
              (std::vector<std::uint64_t>{187, 3, 125, 9223372036854775807u}));
    const struct {
        const char* typed;
        RefusalKind rule;
        std::vector<std::string> named;
    } cases[] = {
        {"187 -3", RefusalKind::NotNumber, {"-3"}},
        {"1e3", RefusalKind::NotNumber, {"1e3"}},
        {"3 123456789012345678901234567890",
         RefusalKind::TooLarge,
         {"123456789012345678901234…", "9223372036854775807"}},
    };
    for (const auto& c : cases) {
        const auto refused = readNumbers(c.typed);
        ASSERT_TRUE(std::holds_alternative<Refusal>(refused)) << c.typed;
        EXPECT_EQ(std::get<Refusal>(refused).rule, c.rule) << c.typed;
        EXPECT_EQ(std::get<Refusal>(refused).numbers, c.named) << c.typed;
    }
}

// Each generated example: the attack succeeds, and what it found is checked
// against the public numbers by the test's own arithmetic.
TEST(Attacks, GeneratedExamplesAreBroken) {
    std::mt19937_64 random(2026);
    const Draw draw = [&random] { return random(); };
    for (const AttackId attack : allAttacks) {
        for (int round = 0; round < 40; ++round) {
            const auto x = randomExample(attack, draw);
            const Outcome outcome = runAttack(attack, x);
            ASSERT_FALSE(outcome.refusal) << driverName(attack) << " " << x[0];
            auto got = found(outcome);
            const auto number = [&got](const char* key) {
                return static_cast<std::uint64_t>(std::stoull(got.at(key)));
            };
            switch (attack) {
            case AttackId::Fermat:
            case AttackId::PMinus1:
            case AttackId::Fault:
                EXPECT_EQ(number("p") * number("q"), x[0]);
                EXPECT_TRUE(prime(number("p")) && prime(number("q"))) << x[0];
                break;
            case AttackId::Wiener:
                EXPECT_EQ(number("p") * number("q"), x[0]);
                EXPECT_EQ(x[1] * number("d") % ((number("p") - 1) * (number("q") - 1)), 1u);
                break;
            case AttackId::Shared:
                EXPECT_EQ(got.size(), 2u) << "the first and the last key share a prime";
                EXPECT_EQ(got.count(std::to_string(x[0])) + got.count(std::to_string(x[2])), 2u);
                break;
            case AttackId::SmallE:
            case AttackId::Chosen:
                EXPECT_EQ(powerMod(number("m"), x[1], x[0]), x[2]);
                break;
            case AttackId::Common:
                EXPECT_EQ(powerMod(number("m"), x[1], x[0]), x[3]);
                EXPECT_EQ(powerMod(number("m"), x[2], x[0]), x[4]);
                break;
            case AttackId::Hastad:
                for (std::size_t i = 1; i <= 3; ++i) {
                    EXPECT_EQ(powerMod(number("m"), 3, x[i]), x[i + 3]);
                }
                break;
            case AttackId::Forge:
                EXPECT_EQ(number("m"), x[2] * x[4] % x[0]);
                EXPECT_EQ(powerMod(number("s"), x[1], x[0]), number("m"));
                break;
            }
        }
    }
}

// The fault attack refuses a signature made right, on every generated key.
// The other conditions broken (exponents that share a factor, Wiener's d above
// the bound, primes far apart) are the failing examples above.
TEST(Attacks, ARightSignatureGivesTheFaultAttackNoFactor) {
    std::mt19937_64 random(29);
    const Draw draw = [&random] { return random(); };
    for (int round = 0; round < 40; ++round) {
        auto fault = randomExample(AttackId::Fault, draw);
        const std::uint64_t p = std::stoull(found(runAttack(AttackId::Fault, fault)).at("p"));
        // The right signature: m^d from the whole key.
        const std::uint64_t q = fault[0] / p;
        const std::uint64_t phi = (p - 1) * (q - 1);
        std::uint64_t k = 1;
        while ((1 + k * phi) % fault[1] != 0) {
            ++k;
        }
        const std::uint64_t d = (1 + k * phi) / fault[1];
        fault[3] = powerMod(fault[2], d, fault[0]);
        EXPECT_EQ(runAttack(AttackId::Fault, fault).refusal->rule, RefusalKind::FaultNone);
    }
}

} // namespace
} // namespace rsa::attacks
