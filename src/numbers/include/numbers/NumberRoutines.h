#pragma once

// The number routines the key set-up and the cipher share: the primality test
// that the prime listing, the random pair and the key computation ask, the
// private exponent as the main window's values give it, and the divisors of a
// number. None of them changes its arguments or touches the window; the
// modular arithmetic under them is ModularArithmetic.h.

#include "value/Variant.h"

#include <cstdint>
#include <vector>

namespace rsa {

// True exactly for a whole number from 2 up with no divisor but 1 and itself;
// False for 1, 0, negatives and values that are not whole. Overflow when the
// value, rounded, lies outside the Long range. Answers a Boolean.
Variant isPrime(const Variant& candidate);

// Whether a whole number is prime (a deterministic Miller-Rabin test, exact
// for every 32-bit value).
bool isPrimeNumber(std::uint32_t n);

// The private exponent for phi = (p-1)*(q-1) and the public exponent: the
// smallest positive d with (d * publicExponent) Mod phi = 1, an Integer when
// it fits 16 bits, else a Long; Empty when there is none (the exponent not a
// positive whole number, or sharing a factor with phi, or phi of 1 or -1).
// Division by zero when phi rounds to 0; Overflow when phi, rounded, lies
// outside the Long range.
Variant privateExponent(const Variant& phi, const Variant& publicExponent);

// Every positive divisor of a positive number, ascending, found in about
// sqrt(n) steps.
std::vector<std::int32_t> divisorsOf(std::int32_t n);

} // namespace rsa
