#include "numbers/TrialDivision.h"

#include <algorithm>
#include <cmath>

namespace rsa {

std::uint64_t integerSquareRoot(std::uint64_t value) {
    // The double's root is off by a little near 2^64, and no root is above
    // 2^32 - 1, whose square is the largest that fits.
    constexpr std::uint64_t largest = 0xFFFFFFFFu;
    std::uint64_t root =
        std::min(static_cast<std::uint64_t>(std::sqrt(static_cast<double>(value))), largest);
    while (root * root > value) {
        --root;
    }
    while (root < largest && (root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

TrialDivision smallestDivisor(std::uint64_t n) {
    if (n % 2 == 0) {
        return {2, 1};
    }
    std::uint64_t divisions = 1;
    for (std::uint64_t candidate = 3; candidate * candidate <= n; candidate += 2) {
        ++divisions;
        if (n % candidate == 0) {
            return {candidate, divisions};
        }
    }
    return {n, divisions};
}

std::vector<std::pair<std::uint64_t, int>> primeFactors(std::uint64_t n) {
    std::vector<std::pair<std::uint64_t, int>> factors;
    while (n > 1) {
        const std::uint64_t prime = smallestDivisor(n).divisor;
        int power = 0;
        for (; n % prime == 0; n /= prime) {
            ++power;
        }
        factors.emplace_back(prime, power);
    }
    return factors;
}

} // namespace rsa
