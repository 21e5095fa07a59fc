#pragma once

// The two modular operations of the exercises on signed 64-bit numbers, as
// the rest of the program computes them: the power through modularPower, the
// inverse through the extended Euclidean algorithm.

#include "numbers/NumberRoutines.h"

#include <cstdint>

namespace rsa::exercise {

inline std::int64_t power(std::int64_t base, std::int64_t exponent, std::int64_t modulus) {
    return static_cast<std::int64_t>(modularPower(static_cast<std::uint64_t>(base),
                                                  static_cast<std::uint64_t>(exponent),
                                                  static_cast<std::uint64_t>(modulus)));
}

// The inverse of value mod modulus, or 0 when there is none.
inline std::int64_t inverse(std::int64_t value, std::int64_t modulus) {
    std::int64_t r0 = modulus, r1 = value % modulus, t0 = 0, t1 = 1;
    while (r1 != 0) {
        const std::int64_t q = r0 / r1;
        std::int64_t next = r0 - q * r1;
        r0 = r1, r1 = next;
        next = t0 - q * t1;
        t0 = t1, t1 = next;
    }
    return r0 == 1 ? ((t0 % modulus) + modulus) % modulus : 0;
}

} // namespace rsa::exercise
