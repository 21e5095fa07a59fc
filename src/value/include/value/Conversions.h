#pragma once

// Conversions between Variants and text, and the whole-number functions:
// Val reads a number from a text box's text, Str writes one back, Int takes
// the whole part. Str and Val are locale-independent: "." is always the
// decimal point, whatever the desktop's language.

#include "Variant.h"

#include <string>
#include <string_view>

namespace rsa {

// The longest leading number of the text, after every blank, tab and line feed
// is dropped: a sign, digits, one ".", an exponent (E), or the prefixes &H and
// &O. Stops at the first other character. Always a Double; 0 when the text has
// no leading number. Overflow when the number is beyond the Double range.
Variant Val(std::string_view text);

// The decimal text of a number: one leading blank for zero and positive values,
// "-" for negative ones; 15 significant digits for a Double (7 for a Single),
// scientific form (1E+15) from there on. Str of Empty is " 0"; a Boolean
// gives "True" or "False" and a String its text, as plainText does.
std::string Str(const Variant& value);

// The text of a value where no leading blank is wanted (7, -3, True).
std::string plainText(const Variant& value);

// The greatest whole number not greater than the value, of the value's type
// (Empty and Boolean give an Integer).
Variant Int(const Variant& value);

// Rounds to the nearest whole number, ties to even; Overflow outside the Long
// range.
std::int32_t roundToLong(double value);

} // namespace rsa
