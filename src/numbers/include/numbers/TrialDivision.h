#pragma once

// Factoring by trial division, the attacker's way with a small modulus and the
// way the step window shows why a number is or is not prime: the integer
// square root that bounds the search, the smallest divisor, the prime
// factors. Plain whole numbers, exact in 64 bits.

#include <cstdint>
#include <utility>
#include <vector>

namespace rsa {

// The largest whole number whose square is at most value.
std::uint64_t integerSquareRoot(std::uint64_t value);

// The smallest divisor above 1 of n >= 2 (n itself for a prime), found by
// dividing by 2 and then by each odd number, and how many divisions it took.
struct TrialDivision {
    std::uint64_t divisor;
    std::uint64_t divisions;
};
TrialDivision smallestDivisor(std::uint64_t n);

// The prime factors of n >= 2 with their powers, ascending.
std::vector<std::pair<std::uint64_t, int>> primeFactors(std::uint64_t n);

} // namespace rsa
