#pragma once

// Keys made badly on purpose, for the attacks that break them at real size:
// a private exponent far smaller than n (Wiener), two primes sharing the top
// half of their bits (Fermat), and many moduli among which a few pairs share
// a prime, as weak random generators made them (batch GCD). The primes come
// from the same search as every real-size key (keyFromPrimes, primeFrom), and
// each key is checked before it is handed out.

#include "realsize/BigKey.h"

#include <gmpxx.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace rsa::realsize {

// A checked key of `bits` bits (as generateKey) whose d is chosen instead of e: a
// random odd number of exactly `dBits` bits coprime to phi(n), and e = d^-1
// mod phi(n). std::nullopt once `cancel` is seen.
std::optional<BigKey> smallPrivateExponentKey(int bits, int dBits, RandomSource& random,
                                              const std::atomic<bool>& cancel);

// The most bits a d may have and stay below Wiener's bound n^(1/4) / 3 for
// every n of `bits` bits: bits / 4 - 2.
int wienerSafeBits(int bits);

// A checked key of `bits` bits (e = 65537) whose q is the first prime above
// a random number sharing the top half of p's bits, so that |p - q| is below
// 2^(bits / 4).
std::optional<BigKey> closePrimesKey(int bits, RandomSource& random,
                                     const std::atomic<bool>& cancel);

struct PlantedModuli {
    std::vector<mpz_class> moduli;
    // The positions (from 0) of the pairs that share a prime, each pair
    // ascending.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
};

// Called with the moduli made so far and how many are asked for.
using ModuliProgress = std::function<void(std::size_t made, std::size_t count)>;

// `count` moduli of exactly `bits` bits (even, 64..4096), each the product of
// two distinct primes of bits / 2 bits, every prime used once but for
// `sharedPairs` pairs at random positions, whose two moduli share one prime.
// Throws std::invalid_argument when 2 sharedPairs > count. std::nullopt once
// `cancel` is seen.
std::optional<PlantedModuli> plantedModuli(std::size_t count, int bits, std::size_t sharedPairs,
                                           RandomSource& random, const std::atomic<bool>& cancel,
                                           const ModuliProgress& progress = {});

} // namespace rsa::realsize
