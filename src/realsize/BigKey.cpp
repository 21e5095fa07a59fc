#include "realsize/BigKey.h"

#include <stdexcept>

namespace rsa::realsize {

namespace {

// GMP's own advice for cryptographic use is 15 to 50 Miller-Rabin rounds on
// top of its Baillie-PSW test.
constexpr int primalityRounds = 30;

bool isProbablePrime(const mpz_class& number) {
    return mpz_probab_prime_p(number.get_mpz_t(), primalityRounds) != 0;
}

} // namespace

std::optional<mpz_class> primeFrom(mpz_class start, unsigned long bits,
                                   const std::atomic<bool>& cancel) {
    mpz_setbit(start.get_mpz_t(), 0);
    // Walking up by two from a random odd start finds a prime after about
    // ln(2^bits) / 2 candidates; the flag is read before each one so a
    // cancel is seen within one primality test.
    for (; mpz_sizeinbase(start.get_mpz_t(), 2) == bits; start += 2) {
        if (cancel.load()) {
            return std::nullopt;
        }
        if (mpz_fdiv_ui(start.get_mpz_t(), publicExponent) != 1 && isProbablePrime(start)) {
            return start;
        }
    }
    return std::nullopt;
}

std::optional<mpz_class> randomPrime(unsigned long bits, RandomSource& random,
                                     const std::atomic<bool>& cancel) {
    while (!cancel.load()) {
        mpz_class start = random.bits(bits);
        mpz_setbit(start.get_mpz_t(), bits - 1);
        mpz_setbit(start.get_mpz_t(), bits - 2);
        if (std::optional<mpz_class> prime = primeFrom(start, bits, cancel)) {
            return prime;
        }
    }
    return std::nullopt;
}

const std::vector<int>& offeredKeySizes() {
    static const std::vector<int> sizes{64, 128, 256, 512, 1024, 2048, 3072, 4096};
    return sizes;
}

std::string decimal(const mpz_class& number) {
    return number.get_str(10);
}

int bitLength(const mpz_class& number) {
    return number == 0 ? 0 : static_cast<int>(mpz_sizeinbase(number.get_mpz_t(), 2));
}

void checkGenerated(const BigKey& key, RandomSource& random) {
    if (!keyIsSound(key, random)) {
        throw std::logic_error("a generated key failed its own check");
    }
}

std::optional<BigKey> keyFromPrimes(int bits, RandomSource& random, const std::atomic<bool>& cancel,
                                    const SecondPrime& second, const KeyProgress& progress) {
    if (bits < smallestKeyBits || bits > largestKeyBits || bits % 2 != 0) {
        throw std::invalid_argument("key size must be even and within 64..4096 bits");
    }
    const auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };
    report(0);
    const auto half = static_cast<unsigned long>(bits / 2);
    const std::optional<mpz_class> p = randomPrime(half, random, cancel);
    if (!p) {
        return std::nullopt;
    }
    report(50);
    std::optional<mpz_class> q;
    do {
        q = second(*p, half);
        if (!q) {
            return std::nullopt;
        }
    } while (*q == *p);
    BigKey key;
    key.bits = bits;
    key.p = *p;
    key.q = *q;
    key.n = key.p * key.q;
    key.e = publicExponent;
    const mpz_class phi = (key.p - 1) * (key.q - 1);
    mpz_invert(key.d.get_mpz_t(), key.e.get_mpz_t(), phi.get_mpz_t());
    checkGenerated(key, random);
    report(100);
    return key;
}

std::optional<BigKey> generateKey(int bits, RandomSource& random, const std::atomic<bool>& cancel,
                                  const KeyProgress& progress) {
    return keyFromPrimes(
        bits, random, cancel,
        [&](const mpz_class&, unsigned long half) { return randomPrime(half, random, cancel); },
        progress);
}

bool keyIsSound(const BigKey& key, RandomSource& random) {
    if (key.p == key.q || key.n != key.p * key.q || bitLength(key.n) != key.bits ||
        !isProbablePrime(key.p) || !isProbablePrime(key.q)) {
        return false;
    }
    const mpz_class phi = (key.p - 1) * (key.q - 1);
    const mpz_class product = key.e * key.d;
    if (product % phi != 1) {
        return false;
    }
    const mpz_class message = random.below(key.n);
    mpz_class cipher, back;
    mpz_powm(cipher.get_mpz_t(), message.get_mpz_t(), key.e.get_mpz_t(), key.n.get_mpz_t());
    mpz_powm(back.get_mpz_t(), cipher.get_mpz_t(), key.d.get_mpz_t(), key.n.get_mpz_t());
    return back == message;
}

} // namespace rsa::realsize
