// Fuzzes the value model. The whole input is read by Val and compared with
// what the C library reads from the same text; Str of the result must read
// back to the same value. Then Variants of every type are made from the input
// bytes and put through + - * / Mod And Or, the comparisons, Int and Str: only
// the four run-time failures may be thrown, each where it belongs, and every
// result has the type and value the widening rules give.

#include "FuzzInput.h"

#include "value/Conversions.h"
#include "value/Operations.h"
#include "value/RuntimeError.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <optional>
#include <set>

namespace rsa::fuzz {
namespace {

std::string quoted(const std::string& text) {
    return "\"" + text.substr(0, 80) + (text.size() > 80 ? "...\"" : "\"");
}

std::string show(const Variant& value) {
    return value.isString() ? "String[" + quoted(value.asString()) + "]" : describe(value);
}

// Runs one operation; a failure must be one of the four, named as it should be.
template <typename Operation> std::optional<Variant> attempt(Operation operation, int& failure) {
    try {
        failure = 0;
        return operation();
    } catch (const RuntimeError& error) {
        static const char* const names[] = {"Overflow", "Subscript out of range",
                                            "Division by zero", "Type mismatch"};
        const int index = error.number() == 6    ? 0
                          : error.number() == 9  ? 1
                          : error.number() == 11 ? 2
                          : error.number() == 13 ? 3
                                                 : -1;
        require(index >= 0 && error.name() == names[index], [&] {
            return "unknown run-time failure " + std::to_string(error.number()) + " " +
                   error.name();
        });
        failure = error.number();
        return std::nullopt;
    }
}

double roundHalfEven(double value) {
    double rounded = std::floor(value + 0.5);
    if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0) {
        rounded -= 1;
    }
    return rounded;
}

bool fitsLong(double value) {
    return value >= -2147483648.0 && value <= 2147483647.0;
}

bool integerRank(const Variant& value) {
    const VariantType type = value.type();
    return type == VariantType::Empty || type == VariantType::Boolean ||
           type == VariantType::Integer;
}

// The number an operand stands for; nothing for a String that is no number.
std::optional<double> numberOf(const Variant& value) {
    int failure = 0;
    const auto number = attempt([&] { return Variant::doubleValue(value.toNumber()); }, failure);
    require(number || failure == 13, [&] { return "toNumber of " + show(value) + " failed"; });
    return number ? std::optional(number->asDouble()) : std::nullopt;
}

// Str of a Double reads back through Val: exactly when the value has at most
// 15 significant digits, and always to a value that Str shows the same way.
void checkRoundTrip(double x) {
    const std::string text = Str(Variant::doubleValue(x));
    require(!text.empty() && text[0] == (x < 0 ? '-' : ' '),
            [&] { return "Str(" + std::to_string(x) + ") = " + quoted(text); });
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.15g", x);
    errno = 0;
    const double fifteen = std::strtod(digits, nullptr);
    int failure = 0;
    const auto back = attempt([&] { return Val(text); }, failure);
    if (!back) {
        require(failure == 6 && std::isinf(fifteen),
                [&] { return "Val(Str(x)) failed for Str(x) = " + quoted(text); });
        return;
    }
    require(Str(*back) == text,
            [&] { return "Str(Val(" + quoted(text) + ")) = " + quoted(Str(*back)); });
    require(fifteen != x || back->asDouble() == x,
            [&] { return "Val(Str(x)) is not x for Str(x) = " + quoted(text); });
}

// Val against strtod and strtoull on the text without its blanks, where they
// read the same grammar: a sign, then a decimal number (not "0x", which
// strtod reads as hexadecimal), or &H / &O with digits few enough to be exact.
void checkVal(const std::string& text) {
    int failure = 0;
    const auto value = attempt([&] { return Val(text); }, failure);
    require(value ? value->type() == VariantType::Double && std::isfinite(value->asDouble())
                  : failure == 6,
            [&] { return "Val(" + quoted(text) + ") gave no finite Double"; });
    if (value) {
        checkRoundTrip(value->asDouble());
    }
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    const std::size_t at = !compact.empty() && (compact[0] == '+' || compact[0] == '-') ? 1 : 0;
    const auto charAt = [&](std::size_t i) { return i < compact.size() ? compact[i] : '\0'; };
    const auto isDigit = [](char c, int base) {
        return base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                          : c >= '0' && c < '0' + base;
    };
    std::optional<double> expected;
    bool tooLarge = false;
    if ((isDigit(charAt(at), 10) || charAt(at) == '.') &&
        !(charAt(at) == '0' && (charAt(at + 1) | 0x20) == 'x')) {
        errno = 0;
        expected = std::strtod(compact.c_str(), nullptr);
        tooLarge = errno == ERANGE && std::isinf(*expected);
    } else if (charAt(at) == '&' &&
               ((charAt(at + 1) | 0x20) == 'h' || (charAt(at + 1) | 0x20) == 'o')) {
        const int base = (charAt(at + 1) | 0x20) == 'h' ? 16 : 8;
        std::size_t end = at + 2;
        while (isDigit(charAt(end), base)) {
            ++end;
        }
        // Up to 52 bits the value is exact in a Double, whatever the order of summing.
        if (end - (at + 2) <= (base == 16 ? 13u : 17u)) {
            const std::string digits = compact.substr(at + 2, end - (at + 2));
            const auto read = static_cast<double>(std::strtoull(digits.c_str(), nullptr, base));
            expected = compact[0] == '-' ? -read : read;
        }
    }
    if (expected) {
        require(!value == tooLarge && (!value || value->asDouble() == *expected), [&] {
            return "Val(" + quoted(text) + ") = " + (value ? show(*value) : "Overflow") +
                   ", the C library reads " + std::to_string(*expected);
        });
    }
}

Variant variantFrom(FuzzInput& in) {
    switch (in.take<std::uint8_t>() % 8) {
    case 0:
        return {};
    case 1:
        return Variant::integer(in.take<std::int16_t>());
    case 2:
        return Variant::longInt(in.take<std::int32_t>());
    case 3: {
        const auto value = in.take<float>();
        return Variant::single(std::isfinite(value) ? value : in.take<std::int16_t>());
    }
    case 4: {
        const auto value = in.take<double>();
        return Variant::doubleValue(std::isfinite(value) ? value : in.take<std::int32_t>());
    }
    case 5:
        return Variant::boolean(in.take<std::uint8_t>() & 1);
    case 6:
        return Variant::string(in.text(in.take<std::uint8_t>() % 24));
    default:
        // A String that holds a number, as Str writes it into a box.
        return Variant::string(Str(Variant::doubleValue(in.take<std::int32_t>() / 64.0)));
    }
}

enum class Arithmetic { Add, Subtract, Multiply };

// + - *: computed in the higher type of the two (a Single with a Long in a
// Double), widened Integer to Long to Double, Single to Double, when the
// result does not fit; Overflow only beyond the Double range.
void checkArithmetic(Arithmetic op, const Variant& a, const Variant& b) {
    const char* symbol = op == Arithmetic::Add ? " + " : op == Arithmetic::Subtract ? " - " : " * ";
    int failure = 0;
    const auto result = attempt(
        [&] { return op == Arithmetic::Add        ? a + b
                     : op == Arithmetic::Subtract ? a - b
                                                  : a * b; },
        failure);
    const auto problem = [&] {
        return show(a) + symbol + show(b) + " = " +
               (result ? show(*result) : "failure " + std::to_string(failure));
    };
    if (op == Arithmetic::Add && a.isString() && b.isString()) {
        require(result && result->isString() && result->asString() == a.asString() + b.asString(),
                problem);
        return;
    }
    const auto x = numberOf(a);
    const auto y = numberOf(b);
    if (!x || !y) {
        require(failure == 13, problem);
        return;
    }
    const auto apply = [op](auto u, auto v) {
        return op == Arithmetic::Add ? u + v : op == Arithmetic::Subtract ? u - v : u * v;
    };
    const double wide = apply(*x, *y);
    // Integer 0, Long 1, Single 2, Double 3; Empty and Boolean count as
    // Integers, a String as a Double.
    const auto rank = [](const Variant& v) {
        switch (v.type()) {
        case VariantType::Long:
            return 1;
        case VariantType::Single:
            return 2;
        case VariantType::Double:
        case VariantType::String:
            return 3;
        default:
            return 0;
        }
    };
    const int high = std::max(rank(a), rank(b));
    const bool singleWithLong = std::min(rank(a), rank(b)) == 1 && high == 2;
    std::optional<Variant> expected;
    if (high <= 1) {
        const auto exact = apply(static_cast<std::int64_t>(*x), static_cast<std::int64_t>(*y));
        expected = high == 0 && exact >= -32768 && exact <= 32767
                       ? Variant::integer(static_cast<std::int16_t>(exact))
                   : exact >= INT32_MIN && exact <= INT32_MAX
                       ? Variant::longInt(static_cast<std::int32_t>(exact))
                       : Variant::doubleValue(wide);
    } else if (high == 2 && !singleWithLong &&
               std::isfinite(apply(static_cast<float>(*x), static_cast<float>(*y)))) {
        expected = Variant::single(apply(static_cast<float>(*x), static_cast<float>(*y)));
    } else if (std::isfinite(wide)) {
        expected = Variant::doubleValue(wide);
    }
    require(expected ? result && *result == *expected : failure == 6, problem);
    if (result && result->type() == VariantType::Double) {
        checkRoundTrip(result->asDouble());
    }
}

// The whole number Mod, And and Or work on, and the failures reaching it may give.
std::optional<double> wholeOperand(const Variant& value, std::set<int>& failures) {
    const auto number = numberOf(value);
    if (!number) {
        failures.insert(13);
        return std::nullopt;
    }
    const double whole = integerRank(value) ? *number : roundHalfEven(*number);
    if (!fitsLong(whole)) {
        failures.insert(6);
        return std::nullopt;
    }
    return whole;
}

void checkWholeOperations(const Variant& a, const Variant& b) {
    std::set<int> failures;
    const auto x = wholeOperand(a, failures);
    const auto y = wholeOperand(b, failures);
    const bool integers = integerRank(a) && integerRank(b);
    const auto expectWhole = [&](std::int64_t value) {
        return integers ? Variant::integer(static_cast<std::int16_t>(value))
                        : Variant::longInt(static_cast<std::int32_t>(value));
    };
    const auto check = [&](const char* name, const std::optional<Variant>& result, int failure,
                           const std::set<int>& allowed, const std::optional<Variant>& expected) {
        require(allowed.empty() ? result && *result == *expected : allowed.count(failure) == 1,
                [&] {
                    return show(a) + name + show(b) + " = " +
                           (result ? show(*result) : "failure " + std::to_string(failure));
                });
    };
    int failure = 0;
    std::set<int> modFailures = failures;
    if (y && *y == 0) {
        modFailures.insert(11);
    }
    std::optional<Variant> expected;
    if (modFailures.empty()) {
        expected = expectWhole(static_cast<std::int64_t>(*x) % static_cast<std::int64_t>(*y));
    }
    check(" Mod ", attempt([&] { return Mod(a, b); }, failure), failure, modFailures, expected);

    const bool booleans = a.type() == VariantType::Boolean && b.type() == VariantType::Boolean;
    for (bool isAnd : {true, false}) {
        if (booleans) {
            expected = Variant::boolean(isAnd ? a.asBoolean() && b.asBoolean()
                                              : a.asBoolean() || b.asBoolean());
        } else if (failures.empty()) {
            const auto u = static_cast<std::int32_t>(*x);
            const auto v = static_cast<std::int32_t>(*y);
            expected = expectWhole(isAnd ? (u & v) : (u | v));
        }
        const auto result = attempt([&] { return isAnd ? And(a, b) : Or(a, b); }, failure);
        check(isAnd ? " And " : " Or ", result, failure, booleans ? std::set<int>() : failures,
              expected);
    }
}

void checkDivideAndCompare(const Variant& a, const Variant& b) {
    const bool texts = a.isString() && b.isString();
    const auto x = numberOf(a);
    const auto y = numberOf(b);
    int failure = 0;
    const auto quotient = attempt([&] { return a / b; }, failure);
    require(!x || !y                  ? failure == 13
            : *y == 0                 ? failure == 11
            : !std::isfinite(*x / *y) ? failure == 6
                                      : quotient && *quotient == Variant::doubleValue(*x / *y),
            [&] { return show(a) + " / " + show(b) + " failed or is not the Double quotient"; });
    if (quotient) {
        checkRoundTrip(quotient->asDouble());
    }

    const std::optional<Variant> results[] = {
        attempt([&] { return isLess(a, b); }, failure),
        attempt([&] { return isEqual(a, b); }, failure),
        attempt([&] { return isGreater(a, b); }, failure),
        attempt([&] { return isNotEqual(a, b); }, failure),
        attempt([&] { return isLessOrEqual(a, b); }, failure),
        attempt([&] { return isGreaterOrEqual(a, b); }, failure),
    };
    // -1, 0 or 1; nothing when a String that is no number meets a number.
    std::optional<int> order;
    if (texts) {
        const int compared = a.asString().compare(b.asString());
        order = (compared > 0) - (compared < 0);
    } else if (x && y) {
        order = (*x > *y) - (*x < *y);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        const int o = order.value_or(0);
        const bool truths[] = {o == -1, o == 0, o == 1, o != 0, o != 1, o != -1};
        require(!order ? !results[i] && failure == 13
                       : results[i] && *results[i] == Variant::boolean(truths[i]),
                [&] {
                    return "comparison " + std::to_string(i) + " of " + show(a) + " and " +
                           show(b) + " is wrong";
                });
    }
}

void checkIntAndStr(const Variant& a) {
    const auto x = numberOf(a);
    int failure = 0;
    const auto whole = attempt([&] { return Int(a); }, failure);
    std::optional<Variant> expected;
    switch (a.type()) {
    case VariantType::Empty:
    case VariantType::Boolean:
        expected = Variant::integer(static_cast<std::int16_t>(*x));
        break;
    case VariantType::Integer:
    case VariantType::Long:
        expected = a;
        break;
    case VariantType::Single:
        expected = Variant::single(std::floor(a.asSingle()));
        break;
    default:
        if (x) {
            expected = Variant::doubleValue(std::floor(*x));
        }
    }
    require(expected ? whole && *whole == *expected : failure == 13,
            [&] { return "Int(" + show(a) + ") = " + (whole ? show(*whole) : "failure"); });
    if (a.type() == VariantType::Integer || a.type() == VariantType::Long) {
        const auto n = static_cast<std::int64_t>(*x);
        require(Str(a) == (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n),
                [&] { return "Str(" + show(a) + ") = " + quoted(Str(a)); });
    }
}

} // namespace
} // namespace rsa::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rsa::fuzz;
    checkVal(std::string(reinterpret_cast<const char*>(data), size));
    FuzzInput in(data, size);
    const rsa::Variant a = variantFrom(in);
    const rsa::Variant b = variantFrom(in);
    for (const auto& [left, right] : {std::pair{a, b}, std::pair{b, a}, std::pair{a, a}}) {
        checkArithmetic(Arithmetic::Add, left, right);
        checkArithmetic(Arithmetic::Subtract, left, right);
        checkArithmetic(Arithmetic::Multiply, left, right);
        checkWholeOperations(left, right);
        checkDivideAndCompare(left, right);
    }
    checkIntAndStr(a);
    checkIntAndStr(b);
    return 0;
}
