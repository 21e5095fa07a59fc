#pragma once

// A typed answer read as an exact integer of any length: a learner who
// forgets to reduce mᵉ mod n types a number far beyond 64 bits, and its
// remainder mod n still tells what was computed. The text is read as every
// box of the program reads a whole number (reading/WholeNumber.h), written
// in groups of three digits as the window's language writes them.

#include "reading/WholeNumber.h"

#include <cstdint>
#include <string_view>

namespace rsa::exercise {

struct AnswerNumber : reading::WholeNumber {
    enum Form { Empty, NotANumber, Fraction, TooLong, Number };
    Form form = Empty;

    // The remainder mod a positive modulus, from 0 to modulus - 1 (also for
    // a negative number).
    std::int64_t residue(std::int64_t modulus) const;
    bool is(std::int64_t expected) const { return value() == expected; }
    // Whether the number is at least bound (bound >= 0).
    bool atLeast(std::int64_t bound) const;
};

// thousands: the separator of the window's language, which may group digits.
AnswerNumber readAnswer(std::string_view text, std::string_view thousands);

} // namespace rsa::exercise
