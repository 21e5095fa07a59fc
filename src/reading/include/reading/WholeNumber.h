#pragma once

// The one reader of a whole number a learner types or pastes: the exchange's
// keys and blocks and the exercise's answers read theirs here, so that every
// box has the same idea of a blank, a sign and a digit.
//
// - Blanks around the number are dropped: spaces, tabs, line breaks and the
//   no-break space a web page or a word processor pastes.
// - A sign may stand in front: "-", "+" or the typographic minus "−" that the
//   program itself writes; a box that takes no sign refuses one.
// - Leading zeros are allowed and dropped; "-0" is zero.
// - Digits are those of the keyboards a class uses: ASCII 0-9, the
//   Arabic-Indic ٠-٩, the Eastern Arabic-Indic ۰-۹ (Persian, Urdu) and the
//   full-width ０-９ of East Asian input. They are read, not refused: a learner
//   who types ١٧ on an Arabic keyboard means 17. Any other character, digits
//   of other scripts included, makes the text not a number.
// - A number of more than largestDigits digits is refused as too long, before
//   any arithmetic: no answer of a task comes near it.
// - Digit groups, when the caller gives the thousands separator of the
//   window's language ("." in Turkish, "," in English): groups of three
//   digits after the first may be set apart by that separator or by blanks,
//   as "3.907" or "3 907". A decimal fraction ("3,5" or "3.5", either mark)
//   is then refused as a fraction, not as something else. Without a
//   separator nothing may stand between the digits, not even a blank, so a
//   line of blocks is never read as one grouped number.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace rsa::reading {

// mᵉ not reduced mod n, at the hardest exercise level, has about 6000 digits.
inline constexpr std::size_t largestDigits = 10000;

struct WholeNumber {
    bool negative = false;
    std::string digits; // ASCII, without leading zeros; "0" for zero, never negative

    // The value, when it fits in 64 bits.
    std::optional<std::int64_t> value() const;
};

enum class NumberProblem {
    Empty,      // nothing but blanks
    NotANumber, // a character that is no digit, a sign where none belongs, a lone sign
    TooLong,    // more than largestDigits digits
    Fraction,   // digits, one decimal mark, digits: only where groups are read
};

enum class Sign { Allowed, Refused };

std::variant<WholeNumber, NumberProblem>
readWholeNumber(std::string_view text, Sign sign = Sign::Allowed, std::string_view thousands = {});

} // namespace rsa::reading
