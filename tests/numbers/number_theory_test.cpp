// The gcd, the k-th root, the Chinese remainder theorem and the convergents,
// worked by hand and against independent answers: a search, the congruences
// themselves, and the fraction each convergent rebuilds.

#include "numbers/NumberTheory.h"

#include <gtest/gtest.h>

#include <random>

namespace rsa {
namespace {

TEST(NumberTheory, GreatestCommonDivisorAgainstSearch) {
    std::mt19937_64 random(7);
    for (int round = 0; round < 500; ++round) {
        const std::uint64_t a = random() % 5000;
        const std::uint64_t b = random() % 5000;
        std::uint64_t expected = 0;
        for (std::uint64_t d = 1; d <= std::max(a, b); ++d) {
            if (a % d == 0 && b % d == 0) {
                expected = d;
            }
        }
        EXPECT_EQ(greatestCommonDivisor(a, b), expected) << a << ", " << b;
    }
}

TEST(NumberTheory, IntegerRoot) {
    const struct {
        const char* name;
        std::uint64_t value;
        unsigned k;
        std::uint64_t root;
    } cases[] = {
        {"a cube", 125, 3, 5},
        {"just below a cube", 124, 3, 4},
        {"Håstad's value", 74088, 3, 42},
        {"a fourth root", 90581, 4, 17},
        {"the largest 64-bit value's cube root", 0xFFFFFFFFFFFFFFFFu, 3, 2642245},
        {"a square near 2^64", 0xFFFFFFFE00000001u, 2, 0xFFFFFFFFu},
        {"one", 1, 5, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(integerRoot(c.value, c.k), c.root) << c.name;
    }
}

TEST(NumberTheory, ChineseRemainderHastad) {
    const auto steps = chineseRemainder({3, 189, 370}, {55, 391, 1189});
    ASSERT_TRUE(steps);
    EXPECT_EQ(steps->product, 25569445u);
    EXPECT_EQ(steps->value, 74088u);
    for (const CrtRow& row : steps->rows) {
        EXPECT_EQ(row.others * row.inverse % row.modulus, 1u) << row.modulus;
        EXPECT_EQ(steps->value % row.modulus, row.residue) << row.modulus;
    }
}

TEST(NumberTheory, ChineseRemainderRefuses) {
    EXPECT_FALSE(chineseRemainder({1, 2}, {6, 15})) << "moduli sharing 3";
    EXPECT_FALSE(chineseRemainder({1, 2, 3}, {4294967291u, 4294967279u, 4294967231u}))
        << "a product beyond 64 bits";
}

TEST(NumberTheory, ConvergentsOfWienersExample) {
    const auto rows = convergents(17993, 90581);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].quotient, 0u);
    EXPECT_EQ(rows[1].quotient, 5u);
    EXPECT_EQ(rows[1].h, 1u);
    EXPECT_EQ(rows[1].k, 5u);
    EXPECT_EQ(rows.back().h * 90581, rows.back().k * 17993) << "the last is the fraction";
    for (std::size_t i = 1; i < rows.size(); ++i) {
        // Neighbouring convergents differ by exactly 1 / (k_i k_{i-1}).
        const auto cross = static_cast<std::int64_t>(rows[i].h * rows[i - 1].k) -
                           static_cast<std::int64_t>(rows[i - 1].h * rows[i].k);
        EXPECT_EQ(cross < 0 ? -cross : cross, 1) << i;
    }
}

} // namespace
} // namespace rsa
