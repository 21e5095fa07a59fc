#pragma once

// The key pairs of the exchange: my own pair (the one the main window last
// accepted, or a fresh one drawn from the operating system's random source)
// and a classmate's public key typed in. The fresh pair never touches the
// main window's random sequence, which keeps its fixed series.

#include "exchange/Refusal.h"
#include "state/WindowVariables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rsa::exchange {

struct PublicKey {
    std::uint32_t e = 0;
    std::uint32_t n = 0;
};

struct KeyPair {
    std::uint32_t p = 0;
    std::uint32_t q = 0;
    std::uint32_t e = 0;
    std::uint32_t d = 0;
    std::uint32_t n = 0;
    PublicKey publicKey() const { return {e, n}; }
};

// A classmate's key as typed: the empty box (or both) named first, then e and
// n whole numbers (read as
// reading/WholeNumber.h reads one) up to 2^31 - 1, n of at least 100 (every
// two-digit block must fit) and e of at least 2. Whether e suits n is not
// checked: the sender cannot know φ.
Result<PublicKey> parsePublicKey(std::string_view eText, std::string_view nText);

// A public key as one line to pass on, "e = 17   n = 3233", and the two
// numbers read back from such a line as a classmate pastes it (blanks, a comma
// or a semicolon between the parts, in brackets or not), for parsePublicKey to
// judge; nothing when the text is not such a line.
std::string publicKeyLine(const PublicKey& key);
struct PublicKeyTexts {
    std::string e, n;
};
std::optional<PublicKeyTexts> splitPublicKeyLine(std::string_view text);

// An exponent as typed for a fresh pair: a whole number from 2 up to 2^31 - 1.
Result<std::uint32_t> parseExponent(std::string_view text);

// The key the main window last accepted, with the primes it was made from,
// or nothing when it has none (or one whose n is 2^31 or more).
std::optional<KeyPair> keyFromWindow(const WindowVariables& vars);

// The ranges a fresh pair's primes are drawn from: as in the main window, ten
// times more, and as far as n = p * q stays below 2^31.
inline constexpr std::array<std::uint32_t, 3> keyRanges = {100, 1000, 46340};
// The one a fresh pair is drawn from unless another is chosen.
inline constexpr std::size_t defaultKeyRange = 2;

// A source of uniformly random 32-bit values.
using RandomSource = std::function<std::uint32_t()>;

// The operating system's random source (std::random_device).
RandomSource systemRandom();

// Two different primes up to range (one of keyRanges), the smaller first,
// with n = p * q of at least 100 and φ coprime with e, every such pair equally
// likely; e is the given exponent, or else the smallest from 3 up that suits
// φ; d is its inverse modulo φ. A pair for which e is its own inverse
// (e² ≡ 1 mod λ, so d = e or d = 1 would do) is never drawn. Refused: an even
// e (φ is always even), an e that no pair of primes in the range suits, and
// an e that is its own inverse for every pair that suits it.
Result<KeyPair> drawKeyPair(std::uint32_t range, std::optional<std::uint32_t> exponent,
                            const RandomSource& random);

} // namespace rsa::exchange
