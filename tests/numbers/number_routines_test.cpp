// The primality test and the private-exponent search, checked against
// independent brute-force answers.

#include "numbers/NumberRoutines.h"
#include "testing/Failures.h"

#include <gtest/gtest.h>

#include <vector>

namespace rsa {
namespace {

using testing::failureNumber;

TEST(Prime, AgreesWithASieveAndKnownHardCases) {
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
    for (std::uint32_t n : {2147483647u, 4294967291u, 46337u, 46327u}) {
        EXPECT_TRUE(isPrimeNumber(n)) << n;
    }
}

TEST(Prime, AcceptsOnlyWholeNumbersFromTwoUp) {
    const struct {
        Variant value;
        bool isPrime;
    } rows[] = {
        {Variant::integer(2), true},
        {Variant::integer(11), true},
        {Variant::integer(13), true},
        {Variant::longInt(2147483647), true},
        {Variant::doubleValue(2.0), true},
        {Variant::single(97.0f), true},
        {Variant::integer(1), false},
        {Variant::integer(0), false},
        {Variant::integer(-1), false},
        {Variant::integer(-13), false},
        {Variant::integer(169), false},
        {Variant::integer(221), false},
        {Variant::integer(121), false},
        {Variant::doubleValue(12.6), false},
        {Variant::doubleValue(2.5), false},
        {Variant::doubleValue(10.6), false},
        {Variant(), false},
        {Variant::boolean(true), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(isPrime(row.value), Variant::boolean(row.isPrime)) << describe(row.value);
    }
    int accepted = 0;
    for (std::int16_t n = 1; n <= 100; ++n) {
        accepted += isPrime(Variant::integer(n)).asBoolean();
    }
    EXPECT_EQ(accepted, 25);
    EXPECT_EQ(failureNumber([] { isPrime(Variant::doubleValue(2147483648.0)); }), 6);
    EXPECT_EQ(failureNumber([] { isPrime(Variant::doubleValue(-2147483649.0)); }), 6);
}

TEST(Privatebul, FindsTheSmallestInverseWithoutABound) {
    const struct {
        double r, e;
        Variant d;
    } rows[] = {
        {60, 7, Variant::integer(43)},
        {-60, 7, Variant::integer(43)},
        {20, 3, Variant::integer(7)},
        {8448, 7, Variant::integer(1207)},
        {8448, 5, Variant::integer(5069)},
        {60, 61, Variant::integer(1)},
        {3120, 17, Variant::integer(2753)},
        {60, 2, Variant()},
        {60, 9, Variant()},
        {1, 7, Variant()},
        {60, -7, Variant()},
        {60, 0, Variant()},
        {60, 7.5, Variant()},
        {2146468824, 65537, Variant::longInt(1015279721)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.r) + " " + std::to_string(row.e));
        EXPECT_EQ(privateExponent(Variant::doubleValue(row.r), Variant::doubleValue(row.e)), row.d);
    }
    EXPECT_EQ(failureNumber([] { privateExponent(Variant::integer(0), Variant::integer(7)); }), 11);
    EXPECT_EQ(failureNumber([] { privateExponent(Variant::doubleValue(3e9), Variant::integer(7)); }), 6);
}

TEST(Privatebul, MatchesABruteForceSearch) {
    for (std::int16_t r = 2; r <= 300; ++r) {
        for (std::int16_t e = 1; e <= 400; ++e) {
            Variant expected;
            for (std::int32_t d = 1; d < r; ++d) {
                if (static_cast<std::int64_t>(d) * e % r == 1) {
                    expected = Variant::integer(static_cast<std::int16_t>(d));
                    break;
                }
            }
            ASSERT_EQ(privateExponent(Variant::integer(r), Variant::integer(e)), expected)
                << r << " " << e;
        }
    }
}

TEST(Divisors, ListsEveryDivisorAscending) {
    EXPECT_EQ(divisorsOf(1), std::vector<std::int32_t>{1});
    EXPECT_EQ(divisorsOf(60),
              (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60}));
    EXPECT_EQ(divisorsOf(49), (std::vector<std::int32_t>{1, 7, 49}));
    EXPECT_EQ(divisorsOf(5040).size(), 60u);
    EXPECT_EQ(divisorsOf(2147483647), (std::vector<std::int32_t>{1, 2147483647}));
    const auto big = divisorsOf(2147483646);
    EXPECT_TRUE(std::is_sorted(big.begin(), big.end()));
    EXPECT_EQ(big.size(), 192u);
}

} // namespace
} // namespace rsa
