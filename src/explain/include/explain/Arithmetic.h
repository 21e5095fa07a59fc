#pragma once

// The worked arithmetic behind the explanation, shared with the exercises so
// that a hint and the step window show the same rows: the steps a learner can
// check by hand (square-and-multiply and extended Euclid as numbers' rows
// give them) as tables, and the way numbers and formulas are written
// (superscripts, subscripts, the minus sign, a factorisation).

#include "explain/Explanation.h"
#include "numbers/ModularArithmetic.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rsa::explain {

std::string number(std::int64_t value); // a real minus sign, no leading blank
std::string superscript(std::uint64_t value);
std::string subscript(std::uint64_t value);
std::string binary(std::uint64_t value);        // "10001₂"
std::string factorisationText(std::uint64_t n); // "3120 = 2⁴ · 3 · 5 · 13"

// The Euclid table of the rows numbers' euclidRows gave (modulus phi, value
// e): a line per row with its number, r, q, s and t (no q in the first), each
// row keeping r = s * phi + t * e, and when the gcd is 1 a last line with the
// inverse of e mod phi.
Table euclidTable(const EuclidRows& steps, std::vector<std::string> columns);

// The square-and-multiply table of the rows numbers' powerRows gave: a line
// per binary digit of the exponent from the highest, with its number, the
// digit, the square and its remainder, the product with the base and its
// remainder ("–" for a digit 0); the last line's last cell is the result.
Table powerTable(const PowerRows& steps, std::vector<std::string> columns);

} // namespace rsa::explain
