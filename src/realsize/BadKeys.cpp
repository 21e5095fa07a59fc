#include "realsize/BadKeys.h"

#include <algorithm>
#include <stdexcept>

namespace rsa::realsize {

int wienerSafeBits(int bits) {
    return bits / 4 - 2;
}

std::optional<BigKey> smallPrivateExponentKey(int bits, int dBits, RandomSource& random,
                                              const std::atomic<bool>& cancel) {
    if (dBits < 2 || dBits >= bits) {
        throw std::invalid_argument("d must have 2 bits or more, and fewer than n");
    }
    // A sound key, whose e and d are then replaced.
    std::optional<BigKey> key = generateKey(bits, random, cancel);
    if (!key) {
        return std::nullopt;
    }
    const mpz_class phi = (key->p - 1) * (key->q - 1);
    do {
        if (cancel.load()) {
            return std::nullopt;
        }
        key->d = random.bits(static_cast<unsigned long>(dBits));
        mpz_setbit(key->d.get_mpz_t(), static_cast<unsigned long>(dBits) - 1);
        mpz_setbit(key->d.get_mpz_t(), 0);
    } while (mpz_invert(key->e.get_mpz_t(), key->d.get_mpz_t(), phi.get_mpz_t()) == 0);
    checkGenerated(*key, random);
    return key;
}

std::optional<BigKey> closePrimesKey(int bits, RandomSource& random,
                                     const std::atomic<bool>& cancel) {
    return keyFromPrimes(bits, random, cancel, [&](const mpz_class& p, unsigned long half) {
        // p's top half with random bits below it; a start with no prime
        // before the end of that range is drawn again, so the two halves
        // stay equal.
        const unsigned long low = half / 2;
        for (;;) {
            const mpz_class top = p >> low;
            std::optional<mpz_class> q = primeFrom((top << low) + random.bits(low), half, cancel);
            if (cancel.load()) {
                return std::optional<mpz_class>();
            }
            if (q && (*q >> low) == top) {
                return q;
            }
        }
    });
}

std::optional<PlantedModuli> plantedModuli(std::size_t count, int bits, std::size_t sharedPairs,
                                           RandomSource& random, const std::atomic<bool>& cancel,
                                           const ModuliProgress& progress) {
    if (bits < smallestKeyBits || bits > largestKeyBits || bits % 2 != 0) {
        throw std::invalid_argument("moduli must have an even number of bits within 64..4096");
    }
    if (2 * sharedPairs > count) {
        throw std::invalid_argument("each shared pair needs two moduli of its own");
    }
    const auto half = static_cast<unsigned long>(bits / 2);
    // The positions of the pairs: the first 2 sharedPairs of a random
    // permutation (Fisher-Yates, only as far as needed).
    std::vector<std::size_t> order(count);
    for (std::size_t position = 0; position < count; ++position) {
        order[position] = position;
    }
    for (std::size_t drawn = 0; drawn < 2 * sharedPairs; ++drawn) {
        const mpz_class pick = random.below(mpz_class(static_cast<unsigned long>(count - drawn)));
        std::swap(order[drawn], order[drawn + pick.get_ui()]);
    }
    PlantedModuli planted;
    planted.moduli.resize(count);
    for (std::size_t pair = 0; pair < sharedPairs; ++pair) {
        const std::size_t first = order[2 * pair], second = order[2 * pair + 1];
        planted.pairs.emplace_back(std::min(first, second), std::max(first, second));
    }
    std::sort(planted.pairs.begin(), planted.pairs.end());
    std::vector<mpz_class> sharedPrime(count);
    std::size_t made = 0;
    for (const auto& [first, second] : planted.pairs) {
        const std::optional<mpz_class> prime = randomPrime(half, random, cancel);
        if (!prime) {
            return std::nullopt;
        }
        sharedPrime[first] = sharedPrime[second] = *prime;
    }
    for (std::size_t position = 0; position < count; ++position) {
        std::optional<mpz_class> p = sharedPrime[position] != 0
                                         ? std::optional<mpz_class>(sharedPrime[position])
                                         : randomPrime(half, random, cancel);
        std::optional<mpz_class> q = p ? randomPrime(half, random, cancel) : std::nullopt;
        if (!q) {
            return std::nullopt;
        }
        mpz_class& modulus = planted.moduli[position];
        modulus = *p * *q;
        // Drawing a prime twice among the 2^(bits/2 - 3) or so of its size is
        // not expected at 64 bits and more, but a square would be no modulus.
        if (*p == *q || bitLength(modulus) != bits) {
            throw std::logic_error("a generated modulus failed its own check");
        }
        if (progress) {
            progress(++made, count);
        }
    }
    return planted;
}

} // namespace rsa::realsize
