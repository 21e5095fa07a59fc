#pragma once

// The worked arithmetic behind the explanation: the steps a learner can check
// by hand (square-and-multiply, extended Euclid, trial division) as tables,
// and the way numbers and formulas are written (superscripts, subscripts, the
// minus sign). Every product stays below 2^62, so all of it is exact in 64
// bits for every modulus the window accepts.

#include "explain/Explanation.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rsa::explain {

std::string number(std::int64_t value); // a real minus sign, no leading blank
std::string superscript(std::uint64_t value);
std::string subscript(std::uint64_t value);
std::string binary(std::uint64_t value); // "10001₂"
int bitLength(std::uint64_t value);
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
std::string factorisationText(std::uint64_t n); // "3120 = 2⁴ · 3 · 5 · 13"

// The extended Euclidean algorithm on phi and e >= 0: one row per remainder
// down to the gcd, each with r = s * phi + t * e, and when the gcd is 1 a last
// row with the inverse of e mod phi. The larger of phi and e is the first row.
struct EuclidSteps {
    Table table;
    std::int64_t gcd;
    std::int64_t lastT;   // the coefficient of e in the gcd row
    std::int64_t inverse; // (lastT mod phi), meaningful when gcd is 1
};
EuclidSteps euclidSteps(std::int64_t phi, std::int64_t e, std::vector<std::string> columns);

// base^exponent mod modulus from left to right, one row per bit of the
// exponent; the last row's last cell is the result.
struct PowerSteps {
    Table table;
    std::uint64_t result;
};
PowerSteps powerSteps(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus,
                      std::vector<std::string> columns);

} // namespace rsa::explain
