#pragma once

// The generator every task is drawn with: SplitMix64, whose every output is
// fixed by its seed, so that a task code gives the same numbers on every
// machine (the standard library's distributions may differ between them).

#include "numbers/NumberRoutines.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace rsa::exercise {

class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A number from low to high - 1.
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low));
    }
    template <typename T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(between(0, static_cast<std::int64_t>(from.size())))];
    }
    // count different ones of from, in the order drawn.
    template <typename T> std::vector<T> distinct(const std::vector<T>& from, std::size_t count) {
        std::vector<T> drawn;
        while (drawn.size() < count) {
            const T& next = pick(from);
            if (std::find(drawn.begin(), drawn.end(), next) == drawn.end()) {
                drawn.push_back(next);
            }
        }
        return drawn;
    }

private:
    std::uint64_t m_state;
};

// The primes from low to below - 1.
inline std::vector<std::int64_t> primesBetween(std::int64_t low, std::int64_t below) {
    std::vector<std::int64_t> primes;
    for (std::int64_t n = low; n < below; ++n) {
        if (isPrimeNumber(static_cast<std::uint32_t>(n))) {
            primes.push_back(n);
        }
    }
    return primes;
}

} // namespace rsa::exercise
