#pragma once

// The test's own arithmetic, written the slow and obvious way so that a
// property test does not check the program against the program: primality by
// trial division and a modular power by the binary digits of the exponent.

#include <cstdint>

namespace rsa::testing {

template <typename T> bool prime(T n) {
    for (T d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return n >= 2;
}

// For moduli below 2^32, so that no product overflows.
template <typename T> T powerMod(T base, std::uint64_t exponent, T modulus) {
    T result = 1 % modulus;
    for (base %= modulus; exponent != 0; exponent /= 2, base = base * base % modulus) {
        if (exponent % 2 == 1) {
            result = result * base % modulus;
        }
    }
    return result;
}

} // namespace rsa::testing
