#pragma once

// The widening rules of the arithmetic, in one place. Every operator asks
// promote() which type to compute in and widen() where to go when the result
// does not fit; neither looks at values.

#include "Variant.h"

namespace rsa {

// The type in which + - * compute for two numeric operands (Strings are
// converted to Double before they get here):
//   1. Empty and Boolean count as Integer.
//   2. A Single with a Long gives a Double (neither holds the other's values).
//   3. Otherwise the higher rank wins: Integer < Long < Single < Double.
VariantType promote(VariantType left, VariantType right);

// Where a result goes when it does not fit its type: Integer to Long, Long to
// Double, Single to Double. Double is the widest; it widens to itself.
VariantType widen(VariantType type);

// The numeric rank a tag takes part in arithmetic with: Empty and Boolean
// count as Integer, a String as Double, every numeric tag as itself.
VariantType arithmeticType(VariantType type);

} // namespace rsa
