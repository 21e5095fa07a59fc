#pragma once

// The four acts of the exchange, block by block as the main window encrypts:
// encrypting a card for a classmate's public key (c = m^e mod n), decrypting
// received blocks with my key (m = c^d mod n), signing a card with my key
// (s = m^d mod n) and verifying a classmate's signature with their public key
// (s^e mod n must give each block back). Each power is the program's one
// modular power.

#include "exchange/Blocks.h"
#include "exchange/ExchangeKey.h"

#include <optional>
#include <vector>

namespace rsa::exchange {

Result<Blocks> encryptCard(const PublicKey& key, const Blocks& card);

// Refused: no key, a block not below n, and a block that decrypts to 100 or
// more (the blocks were made for another key, so this is not a card).
Result<Blocks> decryptBlocks(const std::optional<KeyPair>& key, const Blocks& cipher);

// Refused: no key, a card block not below n (a key with n below 100).
Result<Blocks> signCard(const std::optional<KeyPair>& key, const Blocks& card);

struct Verification {
    Blocks recovered{};                // s^e mod n for each signature block
    std::vector<std::size_t> mismatch; // the 1-based blocks that differ from the card
    bool valid() const { return mismatch.empty(); }
};

// Refused: a signature block not below n.
Result<Verification> verifySignature(const PublicKey& key, const Blocks& card,
                                     const Blocks& signature);

} // namespace rsa::exchange
