// Trial division as the step window and the attacker count it: the bound of
// the search, the divisor found and the divisions it took, the factors.

#include "numbers/TrialDivision.h"

#include <gtest/gtest.h>

namespace rsa {
namespace {

TEST(IntegerSquareRoot, IsExactWhereDoublesRound) {
    // Near (2^32 - 1)^2 a double cannot tell neighbouring whole numbers apart.
    const std::uint64_t big = 4294967295u;
    const std::pair<std::uint64_t, std::uint64_t> cases[] = {
        {0, 0},
        {1, 1},
        {3, 1},
        {4, 2},
        {99, 9},
        {100, 10},
        {big * big, big},
        {big * big - 1, big - 1},
        {~std::uint64_t{0}, big},
    };
    for (const auto& [value, root] : cases) {
        EXPECT_EQ(integerSquareRoot(value), root) << value;
    }
}

TEST(SmallestDivisor, CountsTheDivisionsTried) {
    const struct {
        std::uint64_t n, divisor, divisions;
    } cases[] = {
        {2, 2, 1}, {3, 3, 1}, {9, 3, 2}, {25, 5, 3}, {91, 7, 4}, {97, 97, 5}, {3233, 53, 27},
    };
    for (const auto& test : cases) {
        const TrialDivision found = smallestDivisor(test.n);
        EXPECT_EQ(found.divisor, test.divisor) << test.n;
        EXPECT_EQ(found.divisions, test.divisions) << test.n;
    }
    using Factors = std::vector<std::pair<std::uint64_t, int>>;
    EXPECT_EQ(primeFactors(3120), (Factors{{2, 4}, {3, 1}, {5, 1}, {13, 1}}));
    EXPECT_EQ(primeFactors(97), (Factors{{97, 1}}));
}

} // namespace
} // namespace rsa
