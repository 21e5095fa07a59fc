// The primality test and the private exponent, checked against independent
// brute-force answers.

#include "numbers/NumberRoutines.h"
#include "testing/Failures.h"

#include <gtest/gtest.h>

#include <vector>

namespace rsa {
namespace {

using testing::failureNumber;

TEST(Prime, AgreesWithASieveAndIsFalseForAnythingButWholeNumbers) {
    const std::uint32_t limit = 200000;
    std::vector<bool> composite(limit, false);
    for (std::uint32_t i = 2; i * i < limit; ++i) {
        for (std::uint32_t j = i * i; j < limit; j += i) {
            composite[j] = true;
        }
    }
    for (std::uint32_t n = 0; n < limit; ++n) {
        ASSERT_EQ(isPrimeNumber(n), n >= 2 && !composite[n]) << n;
    }
    // Strong pseudoprimes and Carmichael numbers that fool weaker tests.
    for (std::uint32_t n : {561u, 2047u, 1373653u, 25326001u, 3215031751u, 4294967295u}) {
        EXPECT_FALSE(isPrimeNumber(n)) << n;
    }
    EXPECT_TRUE(isPrimeNumber(2147483647u) && isPrimeNumber(4294967291u));
    // As a Variant, only whole numbers from 2 up are prime.
    const struct {
        Variant value;
        bool isPrime;
    } rows[] = {
        {Variant::integer(2), true},     {Variant::longInt(2147483647), true},
        {Variant::single(97.0f), true},  {Variant::integer(1), false},
        {Variant::integer(-13), false},  {Variant::doubleValue(12.6), false},
        {Variant::boolean(true), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(isPrime(row.value), Variant::boolean(row.isPrime)) << describe(row.value);
    }
    EXPECT_EQ(failureNumber([] { isPrime(Variant::doubleValue(2147483648.0)); }), 6);
    EXPECT_EQ(failureNumber([] { isPrime(Variant::doubleValue(-2147483649.0)); }), 6);
}

// The inverse itself is searched for in modular_arithmetic_test; here what
// privateExponent adds: the sign of phi, the reduction of e, the type by size.
TEST(PrivateExponent, IsTheSmallestInverseWhateverItsSize) {
    const struct {
        double r, e;
        Variant d;
        int error;
    } rows[] = {
        {-60, 7, Variant::integer(43), 0},
        {60, 77, Variant::integer(53), 0},
        {3120, 17, Variant::integer(2753), 0},
        {1, 7, Variant(), 0},
        {60, -7, Variant(), 0},
        {60, 7.5, Variant(), 0},
        {2146468824, 65537, Variant::longInt(1015279721), 0},
        {32768, 32767, Variant::integer(32767), 0}, // the largest Integer
        {65537, 65535, Variant::longInt(32768), 0},
        {0.4, 7, Variant(), 11},
        {3e9, 7, Variant(), 6},
    };
    for (const auto& row : rows) {
        Variant d;
        EXPECT_EQ(failureNumber([&] {
                      d = privateExponent(Variant::doubleValue(row.r), Variant::doubleValue(row.e));
                  }),
                  row.error);
        EXPECT_EQ(d, row.d) << row.r << " " << row.e;
    }
}

} // namespace
} // namespace rsa
