#pragma once

// The window's two number routines: the primality test that the prime
// listing, the random pair and the key computation ask, and the search for
// the private exponent. Neither changes its arguments nor touches the window.

#include "value/Variant.h"

#include <cstdint>
#include <vector>

namespace rsa {

// True exactly for a whole number from 2 up with no divisor but 1 and itself;
// False for 1, 0, negatives and values that are not whole. Overflow when the
// value, rounded, lies outside the Long range. Answers a Boolean.
Variant prime(const Variant& X);

// The private exponent for the modulus r = (p-1)*(q-1) and the public exponent
// e: the smallest positive d with (d * e) Mod r = 1, an Integer when it fits 16
// bits, else a Long; Empty when there is none (e not a positive whole number,
// or sharing a factor with r, or r of 1 or -1). Division by zero when r rounds
// to 0; Overflow when r, rounded, lies outside the Long range.
Variant privatebul(const Variant& r, const Variant& e);

// Whether a whole number is prime (a deterministic Miller-Rabin test, exact
// for every 32-bit value).
bool isPrimeNumber(std::uint32_t n);

// Every positive divisor of a positive number, ascending, found in about
// sqrt(n) steps.
std::vector<std::int32_t> divisorsOf(std::int32_t n);

// The greatest common divisor of two non-negative numbers.
std::uint64_t greatestCommonDivisor(std::uint64_t a, std::uint64_t b);

} // namespace rsa
