#pragma once

// A sentence encrypted at real size, twice in each of two ways: textbook RSA,
// where the UTF-8 bytes of the text are read as one number below n and raised
// to e, and RSA-OAEP with SHA-256 as OpenSSL 3 does it with the same key.
// Textbook RSA is deterministic, so its two cipher texts are equal; OAEP mixes
// fresh random bytes into each one, so its two differ. A text that does not
// fit is refused with the largest length that does, as data the window words.

#include "realsize/BigKey.h"
#include "texts/Wording.h"

#include <gmpxx.h>

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <variant>

namespace rsa::realsize {

struct TextContrast {
    mpz_class textbookFirst, textbookSecond;
    std::string oaepFirst, oaepSecond; // raw cipher bytes, as long as n
    // Decrypted back: textbook first, textbook second, OAEP first, OAEP second.
    std::array<std::string, 4> back;

    bool textbookSame() const { return textbookFirst == textbookSecond; }
    bool oaepSame() const { return oaepFirst == oaepSecond; }
};

// Each with what its sentence names (texts/RealSizeTexts.h).
enum class TextRefusal {
    EmptyText,         // nothing to encrypt: the most UTF-8 bytes any text may have
    TextTooLong,       // more bytes than fit: that most, and how many characters of this text fit
    KeyTooSmallForOaep // OAEP with SHA-256 needs 66 bytes of padding: n of 528 bits or more
};
using TextRefused = texts::Refusal<TextRefusal>;
const char* ruleSentence(TextRefusal refusal);

using TextOutcome = std::variant<TextContrast, TextRefused>;

// The most bytes a text may have for this key: OAEP keeps 2 * 32 + 2 bytes of
// n's length for its padding (the textbook number then stays below n too).
std::size_t largestTextBytes(int keyBits);

// How many characters, as a reader counts them, lie whole within the first
// `bytes` bytes of a UTF-8 text. The window counts grapheme clusters, so that
// a family emoji or a letter with a combining accent is one character.
using CharactersWithin = std::function<std::size_t(const std::string& text, std::size_t bytes)>;

// Encrypts `text` (UTF-8) twice with textbook RSA and twice with RSA-OAEP and
// decrypts all four; a text too long says how many of its characters fit, as
// `charactersWithin` counts them. Throws std::runtime_error when OpenSSL fails.
TextOutcome encryptTwice(const BigKey& key, const std::string& text,
                         const CharactersWithin& charactersWithin);

} // namespace rsa::realsize
