// For many key pairs drawn from the system's random source in each range:
// the pair is a valid RSA pair as "Bana özel anahtar üret" promises, sending
// a card to its public key and receiving it gives the card back, a signature
// verifies, and one changed block of the card or of the signature fails.

#include "exchange/Messages.h"
#include "testing/Oracles.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>

namespace rsa::exchange {
namespace {

constexpr int keysPerRange = 300;

Blocks randomCard(std::mt19937& random) {
    Blocks card{};
    for (std::uint32_t& block : card) {
        block = random() % 100;
    }
    return card;
}

using testing::prime;

void expectValidPair(const KeyPair& key, std::uint32_t range) {
    EXPECT_TRUE(prime(key.p) && prime(key.q)) << key.p << ' ' << key.q;
    EXPECT_LT(key.p, key.q);
    EXPECT_LE(key.q, range);
    EXPECT_EQ(std::uint64_t{key.p} * key.q, key.n);
    EXPECT_GE(key.n, 100u);
    const std::uint64_t phi = std::uint64_t{key.p - 1} * (key.q - 1);
    EXPECT_EQ(std::uint64_t{key.e} * key.d % phi, 1u);
    // e never decrypts too: e² ≢ 1 modulo λ = lcm(p − 1, q − 1).
    const std::uint64_t lambda = phi / std::gcd(key.p - 1, key.q - 1);
    EXPECT_NE(std::uint64_t{key.e} * key.e % lambda, 1u) << key.e << ' ' << lambda;
    EXPECT_LT(key.d, phi);
    // The smallest e from 3 up that is coprime with φ.
    for (std::uint32_t smaller = 3; smaller < key.e; ++smaller) {
        EXPECT_NE(std::gcd(std::uint64_t{smaller}, phi), 1u) << smaller << " suits " << phi;
    }
}

class ExchangeRoundTrip : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(ExchangeRoundTrip, SendReceiveSignVerifyAndTamper) {
    const std::uint32_t range = GetParam();
    const RandomSource source = systemRandom();
    std::mt19937 random(range);
    std::set<std::uint32_t> primesSeen;
    for (int round = 0; round < keysPerRange; ++round) {
        const Result<KeyPair> drawn = drawKeyPair(range, std::nullopt, source);
        ASSERT_TRUE(drawn);
        const KeyPair& key = drawn.value();
        expectValidPair(key, range);
        primesSeen.insert({key.p, key.q});

        const Blocks card = randomCard(random);
        const Result<Blocks> cipher = encryptCard(key.publicKey(), card);
        ASSERT_TRUE(cipher);
        const Result<Blocks> back = decryptBlocks(key, cipher.value());
        ASSERT_TRUE(back) << static_cast<int>(back.refusal().rule);
        EXPECT_EQ(back.value(), card);

        const Result<Blocks> signature = signCard(key, card);
        ASSERT_TRUE(signature);
        const Result<Verification> verified =
            verifySignature(key.publicKey(), card, signature.value());
        ASSERT_TRUE(verified);
        EXPECT_TRUE(verified->valid());

        // One block of the signature changed to another value below n.
        const std::size_t changed = random() % blockCount;
        Blocks forged = signature.value();
        forged[changed] = (forged[changed] + 1 + random() % (key.n - 1)) % key.n;
        const Result<Verification> forgedCheck = verifySignature(key.publicKey(), card, forged);
        ASSERT_TRUE(forgedCheck);
        EXPECT_EQ(forgedCheck->mismatch, std::vector<std::size_t>{changed + 1});

        // One digit of the card changed: its block no longer matches.
        Blocks otherCard = card;
        otherCard[changed] = (otherCard[changed] + 10 * (1 + random() % 9)) % 100;
        const Result<Verification> otherCheck =
            verifySignature(key.publicKey(), otherCard, signature.value());
        ASSERT_TRUE(otherCheck);
        EXPECT_EQ(otherCheck->mismatch, std::vector<std::size_t>{changed + 1});
    }
    // A given exponent is kept, whatever the range.
    const Result<KeyPair> given = drawKeyPair(range, 65537, source);
    ASSERT_TRUE(given);
    EXPECT_EQ(given->e, 65537u);
    EXPECT_EQ(std::uint64_t{given->e} * given->d % (std::uint64_t{given->p - 1} * (given->q - 1)),
              1u);
    // The draw reaches across the range, not only its start.
    EXPECT_GT(primesSeen.size(), 15u);
    EXPECT_GT(*primesSeen.rbegin(), range / 2);
}

INSTANTIATE_TEST_SUITE_P(EveryRange, ExchangeRoundTrip, ::testing::ValuesIn(keyRanges));

// A scripted source: equal primes and a product below 100 are drawn again,
// and the smaller prime comes first.
TEST(ExchangeKeyDraw, EqualPrimesAndSmallProductsAreDrawnAgain) {
    const std::vector<std::uint32_t> values = {13, 13, 2, 3, 97, 89};
    std::size_t next = 0;
    const RandomSource scripted = [&] { return values.at(next++); };
    const Result<KeyPair> drawn = drawKeyPair(100, std::nullopt, scripted);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->p, 89u);
    EXPECT_EQ(drawn->q, 97u);
    // φ = 88 · 96 = 8448 = 2⁸ · 3 · 11, so 3 is out and 5 is the smallest e.
    EXPECT_EQ(drawn->e, 5u);
    EXPECT_EQ(drawn->d * 5u % 8448u, 1u);
}

// The chance that a class of thirty draws thirty different keys from a
// range. Each unordered pair of different primes whose product reaches 100
// is equally likely (both primes are drawn alike, and a rejected draw is
// drawn again) and gives its own n, so with K pairs the chance is the product
// of (1 − k/K) for k below 30.
double thirtyDifferent(std::uint32_t range) {
    std::vector<std::uint32_t> primes;
    for (std::uint32_t k = 2; k <= range; ++k) {
        if (prime(k)) {
            primes.push_back(k);
        }
    }
    double pairs = 0;
    for (std::size_t i = 0; i < primes.size(); ++i) {
        for (std::size_t j = i + 1; j < primes.size(); ++j) {
            pairs += std::uint64_t{primes[i]} * primes[j] >= 100 ? 1 : 0;
        }
    }
    double chance = 1;
    for (int k = 0; k < 30; ++k) {
        chance *= 1 - k / pairs;
    }
    return chance;
}

// At the default range a class of thirty has thirty different keys with
// probability above 99.99 %; primes up to 100 (270 pairs) give it 19 %.
TEST(ExchangeKeyDraw, AClassOfThirtyHasThirtyDifferentKeysAtTheDefaultRange) {
    EXPECT_GT(thirtyDifferent(keyRanges[defaultKeyRange]), 0.9999);
    EXPECT_NEAR(thirtyDifferent(100), 0.19, 0.01);
}

// Of the 203 pairs of primes up to 100 that a typed e = 11 suits, 19 have
// 11² ≡ 1 mod λ (11 · 13, λ = 12, among them); none is ever drawn.
TEST(ExchangeKeyDraw, TypedExponentIsNeverItsOwnInverse) {
    const RandomSource random = systemRandom();
    for (int k = 0; k < keysPerRange; ++k) {
        const Result<KeyPair> drawn = drawKeyPair(100, 11, random);
        ASSERT_TRUE(drawn);
        const std::uint64_t lambda =
            std::uint64_t{drawn->p - 1} * (drawn->q - 1) / std::gcd(drawn->p - 1, drawn->q - 1);
        EXPECT_NE(121 % lambda, 1u) << drawn->p << ' ' << drawn->q;
    }
}

// The exchange window's tests read the main window's accepted key; primes
// it accepts whose product reaches 2^31 give no key here.
TEST(ExchangeKeyFromWindow, ProductBeyondTheRangeIsNoKey) {
    WindowVariables vars;
    vars.key = KeyOrigin{Variant::longInt(46349), Variant::longInt(46351), Variant::longInt(17)};
    vars.d = Variant::integer(2753);
    EXPECT_FALSE(keyFromWindow(vars));
}

} // namespace
} // namespace rsa::exchange
