#pragma once

// The exercises count in signed 64-bit numbers, every one of them from 0 up;
// the program's one modular power, taken and given in them.

#include "numbers/ModularArithmetic.h"

#include <cstdint>

namespace rsa::exercise {

inline std::int64_t power(std::int64_t base, std::int64_t exponent, std::int64_t modulus) {
    return static_cast<std::int64_t>(modularPower(static_cast<std::uint64_t>(base),
                                                  static_cast<std::uint64_t>(exponent),
                                                  static_cast<std::uint64_t>(modulus)));
}

} // namespace rsa::exercise
