// The powers of a row of blocks against multiplying one step at a time, where
// blocks and moduli are negative: the values the window keeps and what the
// record says of each (the power of the magnitude, and the sign). The modular
// power itself is checked in tests/numbers; whole keys by the soak test and
// the scenarios.

#include "cipher/BlockCipher.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace rsa {
namespace {

TEST(BlockPowers, MatchMultiplyingOneStepAtATimeAndSayWhichSignTheyTook) {
    const std::int32_t blocks[] = {-40, -7, -1, 0, 1, 2, 12, 99};
    BlockRow in;
    for (std::size_t k = 0; k < in.size(); ++k) {
        in[k] = Variant::longInt(blocks[k]);
    }
    for (std::int32_t modulus : {-35, 1, 2, 35, 3233}) {
        std::int64_t accumulator[8] = {1, 1, 1, 1, 1, 1, 1, 1};
        for (std::int16_t passes = 1; passes <= 40; ++passes) {
            BlockRow out;
            const BlockPowers powers =
                blockPowers(in, Variant::integer(passes), Variant::longInt(modulus), out);
            ASSERT_EQ(powers.exponent, static_cast<std::uint64_t>(passes));
            ASSERT_EQ(powers.modulus, static_cast<std::uint64_t>(std::abs(modulus)));
            ASSERT_EQ(powers.blocks.size(), 8u);
            for (std::size_t k = 0; k < 8; ++k) {
                accumulator[k] = accumulator[k] * blocks[k] % modulus;
                SCOPED_TRACE(std::to_string(blocks[k]) + "^" + std::to_string(passes) + " mod " +
                             std::to_string(modulus));
                ASSERT_EQ(out[k], Variant::longInt(static_cast<std::int32_t>(accumulator[k])));
                const BlockPower& power = powers.blocks[k];
                ASSERT_EQ(power.base, blocks[k]);
                const auto magnitude = static_cast<std::int64_t>(power.magnitude);
                ASSERT_EQ(power.negative ? -magnitude : magnitude, accumulator[k]);
            }
        }
    }
}

TEST(BlockPowers, RoundBlocksAndMultiplyNothingWithoutAPass) {
    BlockRow in;
    in.fill(Variant::doubleValue(0.5));
    in[1] = Variant::doubleValue(-2.5);
    BlockRow out;
    // A block counts as its value rounded, ties to even.
    const BlockPowers powers = blockPowers(in, Variant::integer(3), Variant::integer(35), out);
    EXPECT_EQ(out[0], Variant::longInt(0));
    EXPECT_EQ(out[1], Variant::longInt(-8));
    EXPECT_EQ(powers.blocks[1].base, -2);
    // No pass leaves the Integer 1, even for a modulus of 0, and no power.
    EXPECT_TRUE(blockPowers(in, Variant(), Variant::integer(0), out).blocks.empty());
    EXPECT_EQ(out[7], Variant::integer(1));
}

} // namespace
} // namespace rsa
