#include "exchange/Messages.h"

#include "numbers/ModularArithmetic.h"

namespace rsa::exchange {

namespace {

Blocks power(const Blocks& blocks, std::uint32_t exponent, std::uint32_t modulus) {
    Blocks result{};
    for (std::size_t k = 0; k < blockCount; ++k) {
        result[k] = static_cast<std::uint32_t>(modularPower(blocks[k], exponent, modulus));
    }
    return result;
}

// A block of n or more would come back as its remainder, not as itself.
std::optional<Refusal> firstNotBelow(const Blocks& blocks, std::uint32_t n) {
    for (std::size_t k = 0; k < blockCount; ++k) {
        if (blocks[k] >= n) {
            return Refusal{RefusalKind::BlockNotBelowModulus,
                           {std::to_string(k + 1), std::to_string(blocks[k]), std::to_string(n)}};
        }
    }
    return std::nullopt;
}

} // namespace

Result<Blocks> encryptCard(const PublicKey& key, const Blocks& card) {
    if (std::optional<Refusal> refusal = firstNotBelow(card, key.n)) {
        return *refusal;
    }
    return power(card, key.e, key.n);
}

Result<Blocks> decryptBlocks(const std::optional<KeyPair>& key, const Blocks& cipher) {
    if (!key) {
        return Refusal{RefusalKind::NoKey, {}};
    }
    if (std::optional<Refusal> refusal = firstNotBelow(cipher, key->n)) {
        return *refusal;
    }
    const Blocks card = power(cipher, key->d, key->n);
    for (std::size_t k = 0; k < blockCount; ++k) {
        if (card[k] >= 100) {
            return Refusal{RefusalKind::BlockNotTwoDigits,
                           {std::to_string(k + 1), std::to_string(card[k])}};
        }
    }
    return card;
}

Result<Blocks> signCard(const std::optional<KeyPair>& key, const Blocks& card) {
    if (!key) {
        return Refusal{RefusalKind::NoKey, {}};
    }
    if (std::optional<Refusal> refusal = firstNotBelow(card, key->n)) {
        return *refusal;
    }
    return power(card, key->d, key->n);
}

Result<Verification> verifySignature(const PublicKey& key, const Blocks& card,
                                     const Blocks& signature) {
    if (std::optional<Refusal> refusal = firstNotBelow(signature, key.n)) {
        return *refusal;
    }
    Verification verification;
    verification.recovered = power(signature, key.e, key.n);
    for (std::size_t k = 0; k < blockCount; ++k) {
        if (verification.recovered[k] != card[k]) {
            verification.mismatch.push_back(k + 1);
        }
    }
    return verification;
}

} // namespace rsa::exchange
