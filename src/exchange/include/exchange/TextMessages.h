#pragma once

// The exchange's four acts for a message of Turkish letters (exchange/
// Letters.h) instead of a card: the message is packed into as many letters a
// block as the key's n allows, and each block then goes through the same
// modular power as a card's blocks. Received blocks are as many as the text
// holds, not eight. The files are the card's with one line more at the top,
// textMarker, which says that the blocks hold letters:
//
//     .ENC   HARFLER<CR><LF> B1 B2 …<CR><LF>
//     .SIG   HARFLER<CR><LF>MESSAGE<CR><LF> S1 S2 …<CR><LF>
//
// the message in windows-1254 as the main window saves text; a card's files
// stay as they are.

#include "exchange/Blocks.h"
#include "exchange/ExchangeKey.h"
#include "exchange/Letters.h"

#include <optional>
#include <string>
#include <vector>

namespace rsa::exchange {

using BlockList = std::vector<std::uint32_t>;

inline constexpr const char* textMarker = "HARFLER";

// The message's blocks for n: the packing and the powers of each act.
struct TextBlocks {
    std::size_t perBlock = 0; // letters a block
    BlockList plain;          // the message packed
    BlockList result;         // each plain block to the act's exponent
};

// Refused: a key whose n is 29 or less (not even one letter fits).
Result<TextBlocks> encryptText(const PublicKey& key, const LetterCodes& message);
Result<TextBlocks> signText(const std::optional<KeyPair>& key, const LetterCodes& message);

// The message of the received blocks; plain and result as for a send, the
// other way round. Refused as a card's blocks are, and when a decrypted block
// is not letters.
struct ReceivedText {
    TextBlocks blocks;
    LetterCodes message;
};
Result<ReceivedText> decryptText(const std::optional<KeyPair>& key, const BlockList& cipher);

struct TextVerification {
    TextBlocks blocks;                 // plain: the message packed; result: sᵉ mod n
    std::vector<std::size_t> mismatch; // the 1-based blocks that differ
    bool valid() const { return mismatch.empty(); }
};
// Refused: a signature block not below n, and a signature of another
// number of blocks than the message packs into.
Result<TextVerification> verifyText(const PublicKey& key, const LetterCodes& message,
                                    const BlockList& signature);

std::string textEncFileBytes(const BlockList& cipher);
std::string textSigFileBytes(const LetterCodes& message, const BlockList& signature);

struct SignedText {
    LetterCodes message;
    BlockList signature;
};
Result<BlockList> readTextEncFile(const std::string& path);
Result<SignedText> readTextSigFile(const std::string& path);

} // namespace rsa::exchange
