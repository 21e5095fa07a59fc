#pragma once

// RSA keys at the sizes real systems use (64 to 4096 bits of n), made with
// GMP: two random primes of exactly half the size each, e = 65537 and
// d = e^-1 mod phi(n). Every key is checked before it is handed out, so a
// window can show its numbers as they are.

#include "realsize/RandomSource.h"

#include <gmpxx.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rsa::realsize {

inline constexpr unsigned long publicExponent = 65537;
inline constexpr int smallestKeyBits = 64;
inline constexpr int largestKeyBits = 4096;

// The sizes a learner chooses from, smallest first.
const std::vector<int>& offeredKeySizes();

struct BigKey {
    int bits = 0;
    mpz_class p, q, n, e, d;
};

// Called with 0, 50 and 100 (percent) as the primes are found.
using KeyProgress = std::function<void(int percent)>;

// A checked key whose n has exactly `bits` bits (even, 64..4096; anything else
// throws std::invalid_argument). Returns std::nullopt once `cancel` is seen,
// which is looked at between prime candidates.
std::optional<BigKey> generateKey(int bits, RandomSource& random, const std::atomic<bool>& cancel,
                                  const KeyProgress& progress = {});

// n = p q with p != q both (probably) prime, n of exactly key.bits bits,
// e d = 1 mod phi(n), and a random message below n comes back from
// encryption and decryption.
bool keyIsSound(const BigKey& key, RandomSource& random);

// The first prime from `start` up (p - 1 coprime to e, GMP's probable-prime
// test) while it keeps exactly `bits` bits; std::nullopt when there is none
// of that size or `cancel` is seen, which is read before each candidate.
std::optional<mpz_class> primeFrom(mpz_class start, unsigned long bits,
                                   const std::atomic<bool>& cancel);

// A random prime of exactly `bits` bits whose two top bits are set, so that
// the product of two of them has exactly twice as many bits; std::nullopt
// once `cancel` is seen.
std::optional<mpz_class> randomPrime(unsigned long bits, RandomSource& random,
                                     const std::atomic<bool>& cancel);

// Draws the second prime of a key, given the first and the bits each has.
using SecondPrime =
    std::function<std::optional<mpz_class>(const mpz_class& first, unsigned long bits)>;

// A checked key of `bits` bits (even, 64..4096, else std::invalid_argument)
// with e = 65537: p from randomPrime, q from `second` until it differs from
// p. Reports 0, 50 and 100; std::nullopt once `cancel` is seen.
std::optional<BigKey> keyFromPrimes(int bits, RandomSource& random, const std::atomic<bool>& cancel,
                                    const SecondPrime& second, const KeyProgress& progress = {});

// Throws std::logic_error unless keyIsSound(key): a key the program made
// must never be shown broken.
void checkGenerated(const BigKey& key, RandomSource& random);

std::string decimal(const mpz_class& number);
int bitLength(const mpz_class& number);

} // namespace rsa::realsize
