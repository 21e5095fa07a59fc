#pragma once

// The operations of the value model: arithmetic, remainder, comparisons and
// the truth of a condition. Operands are never changed; each call returns
// a new Variant and throws RuntimeError on failure.

#include "Variant.h"

namespace rsa {

// + joins two Strings (left text first); otherwise the operands are numbers
// and the result type follows promote() and widen().
Variant operator+(const Variant& left, const Variant& right);
Variant operator-(const Variant& left, const Variant& right);
Variant operator*(const Variant& left, const Variant& right);

// Always a Double; Division by zero for a zero right operand.
Variant operator/(const Variant& left, const Variant& right);

// Remainder of the truncating division, with the sign of the left operand.
// Non-Integer operands are first rounded to Longs (ties to even, Overflow
// outside the Long range). Integer when both operands have the Integer rank,
// else Long. Division by zero for a zero right operand.
Variant Mod(const Variant& left, const Variant& right);

// Comparisons by value across types, Empty as 0; the result is a Boolean.
// Two Strings compare as texts.
Variant isEqual(const Variant& left, const Variant& right);
Variant isLess(const Variant& left, const Variant& right);
Variant isGreater(const Variant& left, const Variant& right);
Variant isLessOrEqual(const Variant& left, const Variant& right);

// A condition holds when its value is not zero.
bool isTrue(const Variant& condition);

} // namespace rsa
