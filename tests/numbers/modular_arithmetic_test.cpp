// The rows of the extended Euclidean algorithm and of square-and-multiply at
// their edges, and the inverse and the power against independent answers:
// a search, the rows' own method, and multiplying one step at a time.

#include "numbers/ModularArithmetic.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace rsa {

// Found by argument-dependent lookup, so beside the row types.
bool operator==(const EuclidRow& a, const EuclidRow& b) {
    return a.r == b.r && a.q == b.q && a.s == b.s && a.t == b.t;
}

void PrintTo(const EuclidRow& row, std::ostream* out) {
    *out << "{r " << row.r << ", q " << row.q << ", s " << row.s << ", t " << row.t << "}";
}

bool operator==(const PowerRow& a, const PowerRow& b) {
    return a.bit == b.bit && a.square == b.square && a.squared == b.squared &&
           a.product == b.product && a.result == b.result;
}

void PrintTo(const PowerRow& row, std::ostream* out) {
    *out << "{" << row.bit << ", " << row.square << ", " << row.squared << ", " << row.product
         << ", " << row.result << "}";
}

namespace {

// The lesson's key (3120 and 17) is pinned, row by row, by the golden
// scenario explain_worked_example; these are the edges.
TEST(EuclidRows, WorkedByHand) {
    const struct {
        const char* name;
        std::int64_t modulus, value;
        std::vector<EuclidRow> rows;
        std::int64_t gcd;
        std::optional<std::int64_t> inverse;
    } cases[] = {
        {"a value above the modulus comes first",
         60,
         77,
         {{77, 0, 0, 1},
          {60, 1, 1, 0},
          {17, 3, -1, 1},
          {9, 1, 4, -3},
          {8, 1, -5, 4},
          {1, 8, 9, -7}},
         1,
         53},
        {"a shared factor leaves no inverse",
         60,
         63,
         {{63, 0, 0, 1}, {60, 1, 1, 0}, {3, 20, -1, 1}},
         3,
         std::nullopt},
        {"a value equal to the modulus", 5, 5, {{5, 0, 0, 1}, {5, 1, 1, 0}}, 5, std::nullopt},
        {"a value of 0 is the modulus alone", 7, 0, {{7, 0, 1, 0}}, 7, std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const EuclidRows steps = euclidRows(test.modulus, test.value);
        EXPECT_EQ(steps.rows, test.rows);
        EXPECT_EQ(steps.gcd, test.gcd);
        EXPECT_EQ(steps.inverse, test.inverse);
        EXPECT_EQ(inverse(test.value, test.modulus), test.inverse);
    }
}

TEST(EuclidRows, KeepTheirRuleInEveryRowForLargeNumbers) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t modulus = 2 + static_cast<std::int64_t>(random() >> 2);
        const std::int64_t value = static_cast<std::int64_t>(random() >> 2);
        const EuclidRows steps = euclidRows(modulus, value);
        for (std::size_t k = 0; k < steps.rows.size(); ++k) {
            const EuclidRow& row = steps.rows[k];
            // Counted modulo 2^64, where a row that keeps its rule cannot
            // overflow into agreement.
            const auto wide = [](std::int64_t n) { return static_cast<std::uint64_t>(n); };
            ASSERT_EQ(wide(row.r), wide(row.s) * wide(modulus) + wide(row.t) * wide(value));
            if (k > 0) {
                ASSERT_EQ(row.q, steps.rows[k - 1].r / row.r);
            }
        }
        ASSERT_EQ(steps.gcd, steps.rows.back().r);
        ASSERT_EQ(modulus % steps.gcd, 0);
        ASSERT_EQ(value % steps.gcd, 0);
    }
}

TEST(Inverse, IsWhatASearchFinds) {
    for (std::int64_t modulus = 2; modulus <= 200; ++modulus) {
        for (std::int64_t value = 0; value <= 450; ++value) {
            std::optional<std::int64_t> found;
            for (std::int64_t d = 1; d < modulus && !found; ++d) {
                if (value * d % modulus == 1) {
                    found = d;
                }
            }
            ASSERT_EQ(inverse(value, modulus), found) << value << " mod " << modulus;
        }
    }
}

// The lesson's powers (12^17 mod 3233 and the rest) are pinned, row by row, by
// the golden scenario explain_worked_example; these are the edges.
TEST(PowerRows, WorkedByHand) {
    const struct {
        const char* name;
        std::uint64_t base, exponent, modulus;
        std::vector<PowerRow> rows;
        std::uint64_t result;
    } cases[] = {
        {"the base is reduced first", 10, 2, 7, {{true, 1, 1, 3, 3}, {false, 9, 2, 0, 2}}, 2},
        {"no digit, no row", 5, 0, 7, {}, 1},
        {"a modulus of 1", 5, 3, 1, {{true, 0, 0, 0, 0}, {true, 0, 0, 0, 0}}, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const PowerRows steps = powerRows(test.base, test.exponent, test.modulus);
        EXPECT_EQ(steps.rows, test.rows);
        EXPECT_EQ(steps.result, test.result);
        EXPECT_EQ(modularPower(test.base, test.exponent, test.modulus), test.result);
    }
}

TEST(ModularPower, AgreesWithItsRowsUpToAModulusOf2To32AndWithOneStepAtATime) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t modulus = 1 + random() % 4294967296u;
        const std::uint64_t base = random() % (2 * modulus);
        const std::uint64_t exponent = random() >> (random() % 64);
        ASSERT_EQ(modularPower(base, exponent, modulus), powerRows(base, exponent, modulus).result)
            << base << "^" << exponent << " mod " << modulus;
    }
    for (std::uint64_t modulus : {1u, 2u, 35u, 3233u, 4294967291u}) {
        for (std::uint64_t base : {0u, 1u, 2u, 12u, 3232u, 4294967290u}) {
            std::uint64_t accumulator = 1 % modulus;
            for (std::uint64_t exponent = 0; exponent <= 70; ++exponent) {
                ASSERT_EQ(modularPower(base, exponent, modulus), accumulator)
                    << base << "^" << exponent << " mod " << modulus;
                accumulator = accumulator * (base % modulus) % modulus;
            }
        }
    }
}

} // namespace
} // namespace rsa
