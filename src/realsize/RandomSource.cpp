#include "realsize/RandomSource.h"

#include <random>

namespace rsa::realsize {

RandomSource::RandomSource() : m_generator(gmp_randinit_mt) {
    // std::random_device reads getrandom() on Linux; eight draws give the
    // Mersenne Twister far more than a guessable seed.
    std::random_device device;
    mpz_class seed = 0;
    for (int word = 0; word < 8; ++word) {
        seed <<= 32;
        seed += static_cast<unsigned long>(device());
    }
    m_generator.seed(seed);
}

mpz_class RandomSource::bits(unsigned long bits) {
    return m_generator.get_z_bits(bits);
}

mpz_class RandomSource::below(const mpz_class& limit) {
    return m_generator.get_z_range(limit);
}

} // namespace rsa::realsize
