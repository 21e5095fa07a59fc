#include "numbers/ModularArithmetic.h"

namespace rsa {

namespace {

std::optional<std::int64_t> inverseFrom(const EuclidEnd& end, std::int64_t modulus) {
    if (end.gcd != 1) {
        return std::nullopt;
    }
    return (end.t % modulus + modulus) % modulus;
}

} // namespace

std::optional<std::int64_t> inverse(std::int64_t value, std::int64_t modulus) {
    return inverseFrom(extendedEuclid(modulus, value, [](const EuclidRow&) {}), modulus);
}

EuclidRows euclidRows(std::int64_t modulus, std::int64_t value) {
    EuclidRows steps;
    const EuclidEnd end =
        extendedEuclid(modulus, value, [&](const EuclidRow& row) { steps.rows.push_back(row); });
    steps.gcd = end.gcd;
    steps.inverse = inverseFrom(end, modulus);
    return steps;
}

std::uint64_t modularPower(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
    std::uint64_t result = 1 % modulus;
    base %= modulus;
    while (exponent > 0) {
        if (exponent & 1) {
            result = result * base % modulus;
        }
        base = base * base % modulus;
        exponent >>= 1;
    }
    return result;
}

PowerRows powerRows(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus) {
    PowerRows steps;
    steps.result = 1 % modulus;
    base %= modulus;
    for (int digit = bitLength(exponent) - 1; digit >= 0; --digit) {
        PowerRow row;
        row.bit = ((exponent >> digit) & 1) != 0;
        row.square = steps.result * steps.result;
        row.squared = row.square % modulus;
        row.result = row.squared;
        if (row.bit) {
            row.product = row.squared * base;
            row.result = row.product % modulus;
        }
        steps.rows.push_back(row);
        steps.result = row.result;
    }
    return steps;
}

} // namespace rsa
