#include "value/Promotion.h"

namespace rsa {

namespace {

int rank(VariantType type) {
    switch (type) {
    case VariantType::Long:
        return 1;
    case VariantType::Single:
        return 2;
    case VariantType::Double:
        return 3;
    default:
        return 0;
    }
}

} // namespace

VariantType arithmeticType(VariantType type) {
    switch (type) {
    case VariantType::Empty:
    case VariantType::Boolean:
        return VariantType::Integer;
    case VariantType::String:
        return VariantType::Double;
    default:
        return type;
    }
}

VariantType promote(VariantType left, VariantType right) {
    // Rule 1: Empty and Boolean take part as Integers.
    left = arithmeticType(left);
    right = arithmeticType(right);
    // Rule 2: a Single cannot hold every Long, nor a Long every Single.
    if ((left == VariantType::Single && right == VariantType::Long) ||
        (left == VariantType::Long && right == VariantType::Single)) {
        return VariantType::Double;
    }
    // Rule 3: the higher rank.
    return rank(left) >= rank(right) ? left : right;
}

VariantType widen(VariantType type) {
    switch (type) {
    case VariantType::Integer:
        return VariantType::Long;
    case VariantType::Long:
    case VariantType::Single:
        return VariantType::Double;
    default:
        return VariantType::Double;
    }
}

} // namespace rsa
