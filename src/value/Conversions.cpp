#include "value/Conversions.h"

#include "value/RuntimeError.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace rsa {

namespace {

bool isDigitIn(char c, int base) {
    if (base == 16) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    }
    return c >= '0' && c < '0' + base;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

// Digits after &H or &O, as many as there are.
double readRadixNumber(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        if (!isDigitIn(c, base)) {
            break;
        }
        value = value * base + digitValue(c);
    }
    return value;
}

// The longest leading decimal number of text (which holds no blanks):
// digits, one point, digits, and an exponent when digits follow its E.
double readDecimalNumber(std::string_view text) {
    std::size_t end = 0;
    std::size_t digits = 0;
    // The power of ten just above the first significant digit: 3 for 123.4,
    // -2 for 0.004. Tells a number too large for a Double from one too small.
    long long magnitude = 0;
    bool seenNonZero = false;
    auto takeDigits = [&](bool integerPart) {
        while (end < text.size() && isDigitIn(text[end], 10)) {
            seenNonZero = seenNonZero || text[end] != '0';
            if (integerPart && seenNonZero) {
                ++magnitude;
            } else if (!integerPart && !seenNonZero) {
                --magnitude;
            }
            ++end;
            ++digits;
        }
    };
    takeDigits(true);
    if (end < text.size() && text[end] == '.') {
        ++end;
        takeDigits(false);
    }
    if (digits == 0) {
        return 0;
    }
    std::size_t mantissaEnd = end;
    // Capped far beyond any text's length, so magnitude + exponent keeps its sign.
    long long exponent = 0;
    if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
        std::size_t at = end + 1;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negative = text[at] == '-';
            ++at;
        }
        if (at < text.size() && isDigitIn(text[at], 10)) {
            while (at < text.size() && isDigitIn(text[at], 10)) {
                exponent = std::min(exponent * 10 + (text[at] - '0'), 1000000000000000LL);
                ++at;
            }
            exponent = negative ? -exponent : exponent;
            mantissaEnd = at;
        }
    }
    double value = 0;
    const auto [stop, error] =
        std::from_chars(text.data(), text.data() + mantissaEnd, value, std::chars_format::general);
    (void)stop;
    if (error == std::errc::result_out_of_range) {
        // Too large for a Double, or so small that it is zero.
        if (seenNonZero && magnitude + exponent > 0) {
            throw RuntimeError::overflow();
        }
        return 0;
    }
    return value;
}

std::string withSign(double value, std::string digits) {
    return (value < 0 ? "" : " ") + digits;
}

template <typename Float> std::string formatFloat(Float value, int significantDigits) {
    if (value == 0) {
        return " 0"; // also for -0
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, significantDigits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return withSign(value, text);
}

} // namespace

Variant Val(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    std::string_view rest = compact;
    double sign = 1;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        sign = rest[0] == '-' ? -1 : 1;
        rest.remove_prefix(1);
    }
    double value = 0;
    if (rest.size() >= 2 && rest[0] == '&' && (rest[1] == 'H' || rest[1] == 'h')) {
        value = readRadixNumber(rest.substr(2), 16);
    } else if (rest.size() >= 2 && rest[0] == '&' && (rest[1] == 'O' || rest[1] == 'o')) {
        value = readRadixNumber(rest.substr(2), 8);
    } else {
        value = readDecimalNumber(rest);
    }
    if (!std::isfinite(value)) {
        throw RuntimeError::overflow();
    }
    return Variant::doubleValue(value == 0 ? 0.0 : sign * value);
}

std::string Str(const Variant& value) {
    switch (value.type()) {
    case VariantType::Empty:
        return " 0";
    case VariantType::Integer:
    case VariantType::Long: {
        const double number = value.toNumber();
        return withSign(number, std::to_string(static_cast<long long>(number)));
    }
    case VariantType::Single:
        return formatFloat(value.asSingle(), 7);
    case VariantType::Double:
        return formatFloat(value.asDouble(), 15);
    case VariantType::Boolean:
    case VariantType::String:
        return plainText(value);
    }
    return {};
}

std::string plainText(const Variant& value) {
    switch (value.type()) {
    case VariantType::Boolean:
        return value.asBoolean() ? "True" : "False";
    case VariantType::String:
        return value.asString();
    default: {
        const std::string text = Str(value);
        return text[0] == ' ' ? text.substr(1) : text;
    }
    }
}

Variant Int(const Variant& value) {
    switch (value.type()) {
    case VariantType::Empty:
    case VariantType::Boolean:
        return Variant::integer(static_cast<std::int16_t>(value.toNumber()));
    case VariantType::Integer:
    case VariantType::Long:
        return value;
    case VariantType::Single:
        return Variant::single(std::floor(value.asSingle()));
    case VariantType::Double:
    case VariantType::String:
        return Variant::doubleValue(std::floor(value.toNumber()));
    }
    return value;
}

std::int32_t roundToLong(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds ties to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeError::overflow();
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace rsa
