// Keys at every offered size pass the checks a window relies on, and the check
// itself notices each way a key can be wrong.
#include "realsize/BigKey.h"
#include "realsize/PowerSteps.h"

#include <gtest/gtest.h>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

TEST(BigKey, EveryOfferedSizeGivesACheckedKeyOfExactlyThatSizeAndKeysDiffer) {
    RandomSource random, other;
    for (const int bits : offeredKeySizes()) {
        SCOPED_TRACE(bits);
        std::vector<int> progress;
        const auto key =
            generateKey(bits, random, goOn, [&](int percent) { progress.push_back(percent); });
        ASSERT_TRUE(key);
        EXPECT_EQ(bitLength(key->n), bits);
        EXPECT_EQ(bitLength(key->p), bits / 2);
        EXPECT_EQ(bitLength(key->q), bits / 2);
        EXPECT_EQ(key->e, 65537);
        EXPECT_TRUE(keyIsSound(*key, random));
        EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
        if (bits == offeredKeySizes().front()) { // a second key at every size is too slow
            EXPECT_NE(key->n, generateKey(bits, other, goOn)->n);
        }
    }
}

TEST(BigKey, TheCheckRefusesEveryBrokenPart) {
    RandomSource random;
    const BigKey good = *generateKey(256, random, goOn);
    const std::vector<std::pair<const char*, void (*)(BigKey&)>> faults{
        {"d off by one", [](BigKey& key) { key.d += 1; }},
        {"n not p q", [](BigKey& key) { key.n += 2; }},
        {"p equal to q", [](BigKey& key) { key.q = key.p, key.n = key.p * key.p; }},
        {"p composite", [](BigKey& key) { key.p *= 3, key.n = key.p * key.q; }},
        {"size claimed wrong", [](BigKey& key) { key.bits = 258; }}};
    for (const auto& [name, breakKey] : faults) {
        BigKey broken = good;
        breakKey(broken);
        EXPECT_FALSE(keyIsSound(broken, random)) << name;
    }
}

TEST(BigKey, SizesOutsideTheRangeOrOddAreRefusedAndAnEarlyCancelGivesNoKey) {
    RandomSource random;
    for (const int bits : {62, 65, 4098}) {
        EXPECT_THROW(generateKey(bits, random, goOn), std::invalid_argument) << bits;
    }
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(generateKey(4096, random, cancelled));
}

TEST(PowerSteps, OneSquaringPerBitAfterTheFirstAndOneProductPerFurtherOne) {
    // 65537 = 2^16 + 1: seventeen bits, two of them ones.
    const std::vector<std::tuple<int, int, int>> cases{
        {1, 0, 0}, {2, 1, 0}, {15, 3, 3}, {65537, 16, 1}};
    for (const auto& [exponent, squarings, multiplications] : cases) {
        const PowerSteps steps = squareAndMultiplySteps(exponent);
        EXPECT_EQ(steps.squarings, squarings) << exponent;
        EXPECT_EQ(steps.multiplications, multiplications) << exponent;
    }
    EXPECT_THROW(squareAndMultiplySteps(0), std::invalid_argument);
}

} // namespace
} // namespace rsa::realsize
