#pragma once

// The random numbers behind real-size keys, balanced test numbers and OAEP's
// seeds come from here: GMP's generator seeded with 256 bits from the
// operating system, so no two runs draw the same primes. A source belongs to
// one thread at a time.

#include <gmpxx.h>

namespace rsa::realsize {

class RandomSource {
public:
    RandomSource();

    // A uniformly drawn number of at most `bits` bits.
    mpz_class bits(unsigned long bits);
    // A uniformly drawn number in [0, limit).
    mpz_class below(const mpz_class& limit);

private:
    gmp_randclass m_generator;
};

} // namespace rsa::realsize
