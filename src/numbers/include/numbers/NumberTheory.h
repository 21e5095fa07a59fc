#pragma once

// The number theory the attacks work with, on plain whole numbers, with the
// rows their tables show: the greatest common divisor, the integer k-th root,
// the Chinese remainder theorem and the convergents of a continued fraction.
// Like ModularArithmetic.h, each is written once and its table is its own
// steps, so a table never disagrees with the number an attack used.

#include <cstdint>
#include <optional>
#include <vector>

namespace rsa {

// gcd(a, b) for a, b >= 0 (gcd(0, 0) = 0), by extendedEuclid.
std::uint64_t greatestCommonDivisor(std::uint64_t a, std::uint64_t b);

// (a * b) mod modulus without overflow for any 64-bit arguments.
std::uint64_t multiplyModulo(std::uint64_t a, std::uint64_t b, std::uint64_t modulus);

// The largest r with r^k <= value, for k >= 1.
std::uint64_t integerRoot(std::uint64_t value, unsigned k);

// base^k, or nothing when it does not fit 64 bits.
std::optional<std::uint64_t> checkedPower(std::uint64_t base, unsigned k);

// One row of the Chinese remainder theorem: x = residue mod modulus, the
// product of the other moduli, its inverse mod this modulus, and this row's
// term residue * others * inverse mod the product of all moduli.
struct CrtRow {
    std::uint64_t residue = 0;
    std::uint64_t modulus = 0;
    std::uint64_t others = 0;
    std::uint64_t inverse = 0;
    std::uint64_t term = 0;
};

struct CrtRows {
    std::vector<CrtRow> rows;
    std::uint64_t product = 0; // of all moduli
    std::uint64_t value = 0;   // the sum of the terms mod product: x mod product
};

// The one x below the product of the moduli with x = residues[i] mod
// moduli[i] for each i; nothing when two moduli share a factor, or the
// product does not fit 64 bits. Moduli >= 2, residues below their modulus.
std::optional<CrtRows> chineseRemainder(const std::vector<std::uint64_t>& residues,
                                        const std::vector<std::uint64_t>& moduli);

// One row of the continued fraction of numerator / denominator: the partial
// quotient and the convergent h / k it gives.
struct ConvergentRow {
    std::uint64_t quotient = 0;
    std::uint64_t h = 0;
    std::uint64_t k = 0;
};

// Every convergent of numerator / denominator (denominator >= 1), from the
// first partial quotient to the fraction itself.
std::vector<ConvergentRow> convergents(std::uint64_t numerator, std::uint64_t denominator);

} // namespace rsa
