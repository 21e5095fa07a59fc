#pragma once

// Why the exchange window refuses an action, as data: the rule and the
// numbers (or text) its sentence names, in the order of its slots. The
// sentences are in texts/ExchangeTexts.h; texts::word turns a refusal into
// its sentence in the language in use, and the library never words it
// otherwise, so a test compares rules and numbers, not phrasing.

#include "texts/Wording.h"

#include <optional>
#include <utility>

namespace rsa::exchange {

enum class RefusalKind {
    ModulusNotWhole,      // the largest n allowed
    ExponentNotWhole,     // the largest e allowed
    ModulusBelow100,      // n: a two-digit block would not fit
    ExponentBelowTwo,     // e
    ExponentEven,         // e: it shares the factor 2 with every φ
    NoPairForExponent,    // e, the range of primes
    BlockNotBelowModulus, // the 1-based block index, the block, n
    BlockBeyondRange,     // the block index, its digits, the largest n
    BlockNotNumber,       // the block index, the piece that is not a number
    TooFewBlocks,         // how many blocks were found
    BlockNotTwoDigits,    // the block index, what it decrypted to: not this key's blocks
    CardNotSixteenDigits, // the card as given
    NoKey,                // no key pair of my own yet
    FileUnreadable,       // the system's reason
    FileLineCount,        // lines found, lines the format has
    KeyMissing,           // both boxes of a classmate's key are empty
    ExponentMissing,      // the e box is empty
    ModulusMissing,       // the n box is empty
    ExponentOwnInverse,   // e, the range of primes: every pair suiting e gives d = e
};

using Refusal = texts::Refusal<RefusalKind>;

// The sentence of the catalogue that words each kind.
const char* ruleSentence(RefusalKind kind);

// What an action gives: its result, or the refusal instead.
template <typename T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Refusal refusal) : m_refusal(std::move(refusal)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    const T& operator*() const { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const Refusal& refusal() const { return *m_refusal; }

private:
    std::optional<T> m_value;
    std::optional<Refusal> m_refusal;
};

} // namespace rsa::exchange
