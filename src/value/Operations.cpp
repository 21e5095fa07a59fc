#include "value/Operations.h"

#include "value/Promotion.h"
#include "value/RuntimeError.h"

#include <cmath>
#include <limits>

namespace rsa {

namespace {

enum class Arithmetic { Add, Subtract, Multiply };

template <typename T> T apply(Arithmetic op, T a, T b) {
    switch (op) {
    case Arithmetic::Add:
        return a + b;
    case Arithmetic::Subtract:
        return a - b;
    case Arithmetic::Multiply:
        return a * b;
    }
    return T{};
}

template <typename Narrow> bool fits(std::int64_t value) {
    return value >= std::numeric_limits<Narrow>::min() &&
           value <= std::numeric_limits<Narrow>::max();
}

// Computes in the promoted type and widens until the result fits. Every
// operand converts exactly to double, so the operands can be carried as
// doubles and narrowed again to the type being tried.
Variant arithmetic(Arithmetic op, const Variant& left, const Variant& right) {
    const double a = left.toNumber();
    const double b = right.toNumber();
    for (VariantType type = promote(left.type(), right.type());; type = widen(type)) {
        switch (type) {
        case VariantType::Integer: {
            const std::int64_t result = apply<std::int64_t>(op, std::int64_t(a), std::int64_t(b));
            if (fits<std::int16_t>(result)) {
                return Variant::integer(static_cast<std::int16_t>(result));
            }
            break;
        }
        case VariantType::Long: {
            const std::int64_t result = apply<std::int64_t>(op, std::int64_t(a), std::int64_t(b));
            if (fits<std::int32_t>(result)) {
                return Variant::longInt(static_cast<std::int32_t>(result));
            }
            break;
        }
        case VariantType::Single: {
            const float result = apply<float>(op, static_cast<float>(a), static_cast<float>(b));
            if (std::isfinite(result)) {
                return Variant::single(result);
            }
            break;
        }
        default: {
            const double result = apply<double>(op, a, b);
            if (!std::isfinite(result)) {
                throw RuntimeError::overflow();
            }
            return Variant::doubleValue(result);
        }
        }
    }
}

bool hasIntegerRank(const Variant& value) {
    return arithmeticType(value.type()) == VariantType::Integer;
}

// The whole number a remainder works on.
std::int32_t wholeOperand(const Variant& value) {
    return hasIntegerRank(value) ? static_cast<std::int32_t>(value.toNumber())
                                 : value.toLongRounded();
}

// -1, 0 or 1 as left is below, equal to or above right.
int compare(const Variant& left, const Variant& right) {
    if (left.isString() && right.isString()) {
        const int order = left.asString().compare(right.asString());
        return (order > 0) - (order < 0);
    }
    const double a = left.toNumber();
    const double b = right.toNumber();
    return (a > b) - (a < b);
}

} // namespace

Variant operator+(const Variant& left, const Variant& right) {
    if (left.isString() && right.isString()) {
        return Variant::string(left.asString() + right.asString());
    }
    return arithmetic(Arithmetic::Add, left, right);
}

Variant operator-(const Variant& left, const Variant& right) {
    return arithmetic(Arithmetic::Subtract, left, right);
}

Variant operator*(const Variant& left, const Variant& right) {
    return arithmetic(Arithmetic::Multiply, left, right);
}

Variant operator/(const Variant& left, const Variant& right) {
    const double a = left.toNumber();
    const double b = right.toNumber();
    if (b == 0) {
        throw RuntimeError::divisionByZero();
    }
    const double result = a / b;
    if (!std::isfinite(result)) {
        throw RuntimeError::overflow();
    }
    return Variant::doubleValue(result);
}

Variant Mod(const Variant& left, const Variant& right) {
    const std::int64_t a = wholeOperand(left);
    const std::int64_t b = wholeOperand(right);
    if (b == 0) {
        throw RuntimeError::divisionByZero();
    }
    // 64 bits, so that the Long minimum Mod -1 cannot overflow.
    const std::int64_t remainder = a % b;
    if (hasIntegerRank(left) && hasIntegerRank(right)) {
        return Variant::integer(static_cast<std::int16_t>(remainder));
    }
    return Variant::longInt(static_cast<std::int32_t>(remainder));
}

Variant isEqual(const Variant& left, const Variant& right) {
    return Variant::boolean(compare(left, right) == 0);
}
Variant isLess(const Variant& left, const Variant& right) {
    return Variant::boolean(compare(left, right) < 0);
}
Variant isGreater(const Variant& left, const Variant& right) {
    return Variant::boolean(compare(left, right) > 0);
}
Variant isLessOrEqual(const Variant& left, const Variant& right) {
    return Variant::boolean(compare(left, right) <= 0);
}

bool isTrue(const Variant& condition) {
    return condition.toNumber() != 0;
}

} // namespace rsa
