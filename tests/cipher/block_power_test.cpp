// The power of one block against an independent modular power across the Long
// range, and against multiplying one step at a time where blocks and moduli
// are negative. Whole keys are checked by the soak test and the scenarios.

#include "cipher/BlockCipher.h"

#include <gtest/gtest.h>

#include <random>

namespace rsa {
namespace {

// Left-to-right binary powering, unlike the program's right-to-left one; for a
// modulus below 2^32.
std::uint64_t independentPower(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
    std::uint64_t result = 1;
    for (int bit = 63; bit >= 0; --bit) {
        result = result * result % modulus;
        if ((exponent >> bit) & 1) {
            result = result * base % modulus;
        }
    }
    return result;
}

TEST(BlockPower, MatchesAnIndependentPowerAcrossTheLongRange) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t modulus = 2 + random() % 2147483646;
        const std::uint64_t block = random() % modulus;
        const std::uint64_t exponent = 1 + random() % 2147483647;
        ASSERT_EQ(blockPower(Variant::longInt(std::int32_t(block)), Variant::doubleValue(exponent),
                             Variant::longInt(std::int32_t(modulus))),
                  Variant::longInt(std::int32_t(independentPower(block, exponent, modulus))))
            << block << "^" << exponent << " mod " << modulus;
    }
}

TEST(BlockPower, MatchesMultiplyingOneStepAtATime) {
    for (std::int32_t block : {-40, -7, -1, 0, 1, 2, 12, 99, 1234}) {
        for (std::int32_t modulus : {-35, 1, 2, 35, 3233}) {
            std::int64_t accumulator = 1;
            for (std::int16_t passes = 1; passes <= 40; ++passes) {
                accumulator = accumulator * block % modulus;
                ASSERT_EQ(blockPower(Variant::longInt(block), Variant::integer(passes),
                                     Variant::longInt(modulus)),
                          Variant::longInt(static_cast<std::int32_t>(accumulator)))
                    << block << "^" << passes << " mod " << modulus;
            }
        }
    }
    // A block counts as its value rounded, ties to even; no pass leaves the Integer 1.
    EXPECT_EQ(blockPower(Variant::doubleValue(0.5), Variant::integer(3), Variant::integer(35)),
              Variant::longInt(0));
    EXPECT_EQ(blockPower(Variant::longInt(5), Variant(), Variant::integer(0)), Variant::integer(1));
}

} // namespace
} // namespace rsa
