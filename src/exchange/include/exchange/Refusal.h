#pragma once

// Why the exchange window refuses an action, as data: the kind and the
// numbers involved. The window turns a refusal into one sentence in the
// language in use (the sentences are in texts/ExchangeTexts.h); the library
// never words it, so a test can compare kinds and numbers, not phrasing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace rsa::exchange {

enum class RefusalKind {
    ModulusNotWhole,      // n is not a whole number up to limit
    ExponentNotWhole,     // e is not a whole number up to limit
    ModulusBelow100,      // value is n: a two-digit block would not fit
    ExponentBelowTwo,     // value is e
    ExponentEven,         // value is e: it shares the factor 2 with every φ
    NoPairForExponent,    // value is e, limit the range of primes
    BlockNotBelowModulus, // block index is value, limit is n
    BlockBeyondRange,     // block index, text its digits, limit the largest n
    BlockNotNumber,       // block index, text the piece that is not a number
    TooFewBlocks,         // value is how many blocks were found
    BlockNotTwoDigits,    // block index decrypted to value: not this key's blocks
    CardNotSixteenDigits, // text is the card as given
    NoKey,                // no key pair of my own yet
    FileUnreadable,       // text is the system's reason
    FileLineCount,        // value lines found, limit lines the format has
};

struct Refusal {
    Refusal(RefusalKind kind, std::size_t index = 0, std::int64_t value = 0, std::int64_t limit = 0,
            std::string text = {})
        : kind(kind), index(index), value(value), limit(limit), text(std::move(text)) {}

    RefusalKind kind;
    std::size_t index; // the 1-based block a refusal is about, 0 when none
    std::int64_t value;
    std::int64_t limit;
    std::string text;
};

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
