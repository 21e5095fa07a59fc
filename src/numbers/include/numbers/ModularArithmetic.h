#pragma once

// The modular arithmetic the whole program shares, on plain whole numbers:
// the extended Euclidean algorithm, the inverse it gives, and the modular
// power by square-and-multiply, with the rows a learner checks by hand (the
// Euclid table, the square-and-multiply table). The Euclid rows are the very
// steps of the inverse, handed to an observer, so the table can never
// disagree with the number the program used; without an observer they cost
// nothing extra.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace rsa {

// The number of binary digits of value: 0 for 0, 5 for 17.
inline int bitLength(std::uint64_t value) {
    int length = 0;
    for (; value != 0; value >>= 1) {
        ++length;
    }
    return length;
}

// One row of the extended Euclidean algorithm on a modulus and a value: the
// remainder r = s * modulus + t * value, and q, the quotient of the row
// before's remainder by r (0 in the first row, which has no row before).
struct EuclidRow {
    std::int64_t r = 0;
    std::int64_t q = 0;
    std::int64_t s = 0;
    std::int64_t t = 0;
};

// The last row with a remainder other than 0: the gcd and its coefficient of
// the value.
struct EuclidEnd {
    std::int64_t gcd = 0;
    std::int64_t t = 0;
};

// The extended Euclidean algorithm on modulus >= 1 and value >= 0, handing
// each row to observe(const EuclidRow&), down to the gcd. The larger of the
// two is the first row, so that with value >= modulus the first division is
// the reduction value = q * modulus + r. Every coefficient stays below the
// larger number, so all of it is exact for any 64-bit arguments.
template <typename RowObserver>
EuclidEnd extendedEuclid(std::int64_t modulus, std::int64_t value, RowObserver&& observe) {
    EuclidRow before{modulus, 0, 1, 0};
    EuclidRow row{value, 0, 0, 1};
    if (value >= modulus) {
        std::swap(before, row);
    }
    observe(before);
    while (row.r != 0) {
        row.q = before.r / row.r;
        observe(row);
        const EuclidRow next{before.r - row.q * row.r, 0, before.s - row.q * row.s,
                             before.t - row.q * row.t};
        before = row;
        row = next;
    }
    return {before.r, before.t};
}

// The inverse of value modulo modulus >= 2, from 1 to modulus - 1; nothing
// when value shares a factor with modulus.
std::optional<std::int64_t> inverse(std::int64_t value, std::int64_t modulus);

// Every row of extendedEuclid, the gcd, and the inverse when the gcd is 1.
struct EuclidRows {
    std::vector<EuclidRow> rows;
    std::int64_t gcd = 0;
    std::optional<std::int64_t> inverse;
};
EuclidRows euclidRows(std::int64_t modulus, std::int64_t value);

// base^exponent mod modulus by square-and-multiply. Every product stays below
// modulus^2, so any modulus up to 2^32 is exact. A modulus of 1 gives 0;
// modulus must not be 0.
std::uint64_t modularPower(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus);

// One row of square-and-multiply as a learner works it by hand, one per
// binary digit of the exponent from the highest: the result so far squared,
// reduced, and for a digit 1 multiplied by the base and reduced again.
struct PowerRow {
    bool bit = false;
    std::uint64_t square = 0;  // the result so far squared
    std::uint64_t squared = 0; // square mod modulus
    std::uint64_t product = 0; // squared * base, for a digit 1 only
    std::uint64_t result = 0;  // the result after this row
};

// Every row of modularPower's method taken from the highest digit down, and
// the result, which is modularPower's. modularPower takes the digits from the
// lowest up instead: there the squaring of the base and the multiplying into
// the result do not wait for each other, which makes it a fifth to a third
// faster for the cipher, the exchange and the primality test. Both give the
// same result for the same arguments, as the tests hold them to.
struct PowerRows {
    std::vector<PowerRow> rows;
    std::uint64_t result = 0;
};
PowerRows powerRows(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus);

} // namespace rsa
