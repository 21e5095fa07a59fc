#include "numbers/NumberTheory.h"

#include "numbers/ModularArithmetic.h"

#include <cmath>
#include <limits>

namespace rsa {

std::uint64_t greatestCommonDivisor(std::uint64_t a, std::uint64_t b) {
    if (a == 0 || b == 0) {
        return a + b;
    }
    // extendedEuclid is exact on signed 64-bit numbers; every modulus the
    // attacks see is far below 2^63.
    return static_cast<std::uint64_t>(extendedEuclid(static_cast<std::int64_t>(a),
                                                     static_cast<std::int64_t>(b),
                                                     [](const EuclidRow&) {})
                                          .gcd);
}

std::uint64_t multiplyModulo(std::uint64_t a, std::uint64_t b, std::uint64_t modulus) {
    __extension__ using Wide = unsigned __int128;
    return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % modulus);
}

std::optional<std::uint64_t> checkedPower(std::uint64_t base, unsigned k) {
    std::uint64_t result = 1;
    for (unsigned i = 0; i < k; ++i) {
        if (base != 0 && result > std::numeric_limits<std::uint64_t>::max() / base) {
            return std::nullopt;
        }
        result *= base;
    }
    return result;
}

std::uint64_t integerRoot(std::uint64_t value, unsigned k) {
    if (k == 1 || value < 2) {
        return value;
    }
    // The double's root is close; the checked powers settle the last digit.
    auto root = static_cast<std::uint64_t>(std::pow(static_cast<double>(value), 1.0 / k));
    const auto above = [k, value](std::uint64_t r) {
        const auto power = checkedPower(r, k);
        return !power || *power > value;
    };
    while (root > 0 && above(root)) {
        --root;
    }
    while (!above(root + 1)) {
        ++root;
    }
    return root;
}

std::optional<CrtRows> chineseRemainder(const std::vector<std::uint64_t>& residues,
                                        const std::vector<std::uint64_t>& moduli) {
    CrtRows steps;
    steps.product = 1;
    for (const std::uint64_t modulus : moduli) {
        if (steps.product > std::numeric_limits<std::uint64_t>::max() / modulus) {
            return std::nullopt;
        }
        steps.product *= modulus;
    }
    for (std::size_t i = 0; i < moduli.size(); ++i) {
        CrtRow row{residues[i], moduli[i], steps.product / moduli[i], 0, 0};
        const auto inverted = inverse(static_cast<std::int64_t>(row.others % row.modulus),
                                      static_cast<std::int64_t>(row.modulus));
        if (!inverted) {
            return std::nullopt;
        }
        row.inverse = static_cast<std::uint64_t>(*inverted);
        row.term = multiplyModulo(multiplyModulo(row.residue, row.others, steps.product),
                                  row.inverse, steps.product);
        steps.value = (steps.value + row.term) % steps.product;
        steps.rows.push_back(row);
    }
    return steps;
}

std::vector<ConvergentRow> convergents(std::uint64_t numerator, std::uint64_t denominator) {
    std::vector<ConvergentRow> rows;
    // h and k of the two convergents before, starting from 0/1 and 1/0.
    std::uint64_t hBefore = 0;
    std::uint64_t kBefore = 1;
    std::uint64_t h = 1;
    std::uint64_t k = 0;
    while (denominator != 0) {
        const std::uint64_t quotient = numerator / denominator;
        const std::uint64_t hNext = quotient * h + hBefore;
        const std::uint64_t kNext = quotient * k + kBefore;
        rows.push_back({quotient, hNext, kNext});
        hBefore = h;
        kBefore = k;
        h = hNext;
        k = kNext;
        const std::uint64_t remainder = numerator % denominator;
        numerator = denominator;
        denominator = remainder;
    }
    return rows;
}

} // namespace rsa
