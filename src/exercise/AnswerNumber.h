#pragma once

// A typed answer read as an exact integer of any length: a learner who
// forgets to reduce mᵉ mod n types a number far beyond 64 bits, and its
// remainder mod n still tells what was computed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rsa::exercise {

struct AnswerNumber {
    enum Form { Empty, NotANumber, Number };
    Form form = Empty;
    bool negative = false;
    std::string digits; // no leading zeros; "0" for zero

    // The value, when it fits in 64 bits.
    std::optional<std::int64_t> value() const;
    // The remainder mod a positive modulus, from 0 to modulus - 1 (also for
    // a negative number).
    std::int64_t residue(std::int64_t modulus) const;
    bool is(std::int64_t expected) const { return value() == expected; }
    // Whether the number is at least bound (bound >= 0).
    bool atLeast(std::int64_t bound) const;
};

// Blanks around the number are allowed; a sign is "-", "+" or "−".
AnswerNumber readAnswer(std::string_view text);

} // namespace rsa::exercise
