// The gcd against a search, the k-th root at its edges, and the moduli the
// Chinese remainder theorem refuses. What the theorem and the convergents
// give is checked where the attacks use them: attacks_test breaks generated
// Håstad and Wiener examples and checks the message and d by its own
// arithmetic, and the golden scenario attacks pins their tables.

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
        {"just below a cube", 124, 3, 4},
        {"a fourth root", 90581, 4, 17},
        {"the largest 64-bit value's cube root", 0xFFFFFFFFFFFFFFFFu, 3, 2642245},
        {"a square near 2^64", 0xFFFFFFFE00000001u, 2, 0xFFFFFFFFu},
        {"one", 1, 5, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(integerRoot(c.value, c.k), c.root) << c.name;
    }
}

TEST(NumberTheory, ChineseRemainderRefuses) {
    EXPECT_FALSE(chineseRemainder({1, 2}, {6, 15})) << "moduli sharing 3";
    EXPECT_FALSE(chineseRemainder({1, 2, 3}, {4294967291u, 4294967279u, 4294967231u}))
        << "a product beyond 64 bits";
}

} // namespace
} // namespace rsa
