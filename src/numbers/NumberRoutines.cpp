#include "numbers/NumberRoutines.h"

#include "numbers/ModularArithmetic.h"
#include "value/Conversions.h"
#include "value/RuntimeError.h"

#include <cmath>
#include <cstdlib>

namespace rsa {

namespace {

// One round of Miller-Rabin: false when the base proves n composite.
bool passesRound(std::uint64_t n, std::uint64_t base) {
    std::uint64_t odd = n - 1;
    int twos = 0;
    while ((odd & 1) == 0) {
        odd >>= 1;
        ++twos;
    }
    std::uint64_t x = modularPower(base, odd, n);
    if (x == 1 || x == n - 1) {
        return true;
    }
    for (int i = 1; i < twos; ++i) {
        x = x * x % n;
        if (x == n - 1) {
            return true;
        }
    }
    return false;
}

} // namespace

bool isPrimeNumber(std::uint32_t n) {
    if (n < 2) {
        return false;
    }
    // The bases 2, 7 and 61 decide every n below 4,759,123,141.
    for (std::uint32_t base : {2u, 7u, 61u}) {
        if (n == base) {
            return true;
        }
        if (n % base == 0) {
            return false;
        }
    }
    for (std::uint64_t base : {2u, 7u, 61u}) {
        if (!passesRound(n, base)) {
            return false;
        }
    }
    return true;
}

std::vector<std::int32_t> divisorsOf(std::int32_t n) {
    std::vector<std::int32_t> small;
    std::vector<std::int32_t> large;
    for (std::int64_t i = 1; i * i <= n; ++i) {
        if (n % i == 0) {
            small.push_back(static_cast<std::int32_t>(i));
            if (i * i != n) {
                large.push_back(static_cast<std::int32_t>(n / i));
            }
        }
    }
    small.insert(small.end(), large.rbegin(), large.rend());
    return small;
}

Variant isPrime(const Variant& candidate) {
    const double value = candidate.toNumber();
    const std::int32_t whole = roundToLong(value);
    return Variant::boolean(value == whole && whole >= 2 &&
                            isPrimeNumber(static_cast<std::uint32_t>(whole)));
}

Variant privateExponent(const Variant& phi, const Variant& publicExponent) {
    const std::int32_t modulus = phi.toLongRounded();
    if (modulus == 0) {
        throw RuntimeError::divisionByZero();
    }
    const double exponent = publicExponent.toNumber();
    const std::int64_t n = std::llabs(modulus);
    // (d * e) Mod phi keeps the sign of d * e, so only a positive whole e can
    // leave the remainder 1.
    if (n == 1 || exponent <= 0 || exponent != std::floor(exponent)) {
        return {};
    }
    const std::optional<std::int64_t> d =
        inverse(static_cast<std::int64_t>(std::fmod(exponent, static_cast<double>(n))), n);
    if (!d) {
        return {};
    }
    if (*d <= 32767) {
        return Variant::integer(static_cast<std::int16_t>(*d));
    }
    return Variant::longInt(static_cast<std::int32_t>(*d));
}

} // namespace rsa
