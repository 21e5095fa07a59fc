// The attacks on badly made big keys recover exactly what was hidden, and
// only when the key was made badly: Wiener below its bound and not above it,
// Fermat on close primes and not on a real key's, the batch GCD on exactly
// the planted pairs, as the gcd of every pair finds them. The rows of a small
// Fermat search (11099 = 11 * 1009, 405 steps, the first ones kept) are
// checked where the step window shows them, in real_size_explanation_test.
#include "realsize/BadKeys.h"
#include "realsize/BatchGcd.h"
#include "realsize/BigAttacks.h"

#include <gtest/gtest.h>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

TEST(BigAttacks, WienerFindsDExactlyWhenItIsBelowTheBound) {
    RandomSource random;
    struct Case {
        int bits, dBits;
        bool found;
    };
    const Case cases[] = {{256, wienerSafeBits(256), true},   {1024, wienerSafeBits(1024), true},
                          {2048, wienerSafeBits(2048), true}, {256, 256 / 4 + 12, false},
                          {1024, 1024 / 4 + 12, false},       {1024, 1000, false}};
    for (const Case& c : cases) {
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(testing::Message() << c.bits << " bits, d of " << c.dBits);
            const BigKey key = *smallPrivateExponentKey(c.bits, c.dBits, random, goOn);
            EXPECT_EQ(bitLength(key.d), c.dBits);
            EXPECT_EQ(key.d < wienerBound(key.n), c.found);
            const WienerAttack attack = wienerAttack(key.n, key.e, goOn);
            ASSERT_EQ(attack.end, c.found ? AttackEnd::Found : AttackEnd::NotFound);
            if (c.found) {
                EXPECT_EQ(attack.d, key.d);
                EXPECT_EQ(attack.p, std::min(key.p, key.q));
                EXPECT_EQ(attack.q, std::max(key.p, key.q));
                EXPECT_EQ(attack.rows.back().d, key.d);
                EXPECT_EQ(attack.rows.back().phi, (key.p - 1) * (key.q - 1));
                EXPECT_EQ(roundTrip(testBlock, key.n, key.e, attack.d).back, testBlock);
            }
        }
    }
    // A key made properly (e = 65537, d about as large as n) keeps its d.
    EXPECT_EQ(wienerAttack(generateKey(1024, random, goOn)->n, 65537, goOn).end,
              AttackEnd::NotFound);
}

TEST(BigAttacks, WienerBoundIsTheFourthRootOverThree) {
    const mpz_class n = mpz_class(1) << 2048;
    EXPECT_EQ(wienerBound(n), (mpz_class(1) << 512) / 3);
    EXPECT_EQ(wienerBound(90581), 5); // 90581^(1/4) = 17.35
}

TEST(BigAttacks, FermatFactorsClosePrimesAtOnceAndGivesUpOnFarOnes) {
    RandomSource random;
    for (const int bits : {64, 512, 2048}) {
        SCOPED_TRACE(bits);
        const BigKey close = *closePrimesKey(bits, random, goOn);
        EXPECT_EQ(close.p >> (bits / 4), close.q >> (bits / 4));
        const FermatAttack found = fermatAttack(close.n, 1000, goOn);
        ASSERT_EQ(found.end, AttackEnd::Found);
        EXPECT_EQ(found.steps, 1u);
        EXPECT_EQ(found.p, std::min(close.p, close.q));
        EXPECT_EQ(found.q, std::max(close.p, close.q));
        EXPECT_EQ(found.a * found.a - found.b * found.b, close.n);

        const BigKey far = *generateKey(bits, random, goOn);
        const FermatAttack lost = fermatAttack(far.n, 1000, goOn);
        EXPECT_EQ(lost.end, AttackEnd::NotFound);
        EXPECT_EQ(lost.steps, 1000u);
    }
}

TEST(BatchGcd, FindsExactlyThePlantedPairsAsEveryPairsGcdDoes) {
    RandomSource random;
    struct Case {
        std::size_t count, pairs;
    };
    for (const Case c : {Case{1, 0}, Case{2, 1}, Case{7, 0}, Case{33, 3}, Case{64, 5}}) {
        SCOPED_TRACE(testing::Message() << c.count << " moduli, " << c.pairs << " pairs");
        std::size_t lastMade = 0, asked = 0;
        const PlantedModuli planted = *plantedModuli(
            c.count, 128, c.pairs, random, goOn,
            [&](std::size_t made, std::size_t count) { lastMade = made, asked = count; });
        EXPECT_EQ(asked, c.count);
        EXPECT_EQ(lastMade, c.count);
        std::vector<std::size_t> expected;
        for (const auto& [first, second] : planted.pairs) {
            expected.push_back(first);
            expected.push_back(second);
            mpz_class common;
            mpz_gcd(common.get_mpz_t(), planted.moduli[first].get_mpz_t(),
                    planted.moduli[second].get_mpz_t());
            EXPECT_EQ(bitLength(common), 64);
        }
        std::sort(expected.begin(), expected.end());
        std::vector<int> percents;
        const SharedPrimes batch =
            *batchGcd(planted.moduli, goOn, [&](int percent) { percents.push_back(percent); });
        EXPECT_EQ(batch.gcds, *pairwiseGcd(planted.moduli, goOn));
        EXPECT_EQ(keysSharingAPrime(batch.gcds), expected);
        // Each level halves the one below, rounding up, to the one product.
        ASSERT_EQ(batch.productTree.front().nodes, c.count);
        EXPECT_EQ(batch.productTree.front().largestBits, 128);
        for (std::size_t level = 1; level < batch.productTree.size(); ++level) {
            EXPECT_EQ(batch.productTree[level].nodes, (batch.productTree[level - 1].nodes + 1) / 2);
        }
        EXPECT_EQ(batch.productTree.back().nodes, 1u);
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
        EXPECT_EQ(percents.back(), 100);
    }
}

TEST(BatchGcd, AModulusSharingWithSeveralGetsTheirProduct) {
    // 6 = 2 * 3, 15 = 3 * 5, 35 = 5 * 7, 11 alone.
    const std::vector<mpz_class> moduli{6, 15, 35, 11};
    const std::vector<mpz_class> expected{3, 15, 5, 1};
    EXPECT_EQ(batchGcd(moduli, goOn)->gcds, expected);
    EXPECT_EQ(*pairwiseGcd(moduli, goOn), expected);
}

TEST(BigAttacks, EveryAttackStopsOnCancel) {
    const std::atomic<bool> stop{true};
    RandomSource random;
    EXPECT_FALSE(smallPrivateExponentKey(512, 100, random, stop));
    EXPECT_FALSE(closePrimesKey(512, random, stop));
    EXPECT_FALSE(plantedModuli(10, 128, 2, random, stop));
    EXPECT_EQ(wienerAttack(90581, 17993, stop).end, AttackEnd::Cancelled);
    EXPECT_EQ(fermatAttack(5959, 10, stop).end, AttackEnd::Cancelled);
    EXPECT_FALSE(batchGcd({6, 15}, stop));
    EXPECT_FALSE(pairwiseGcd({6, 15}, stop));
    EXPECT_THROW(plantedModuli(3, 128, 2, random, goOn), std::invalid_argument);
}

} // namespace
} // namespace rsa::realsize
