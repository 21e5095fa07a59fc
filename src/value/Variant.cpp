#include "value/Variant.h"

#include "value/Conversions.h"
#include "value/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace rsa {

const char* typeName(VariantType type) {
    switch (type) {
    case VariantType::Empty:
        return "Empty";
    case VariantType::Integer:
        return "Integer";
    case VariantType::Long:
        return "Long";
    case VariantType::Single:
        return "Single";
    case VariantType::Double:
        return "Double";
    case VariantType::Boolean:
        return "Boolean";
    case VariantType::String:
        return "String";
    }
    return "?";
}

namespace {

// A String takes part in arithmetic only when its whole text, blanks around it
// aside, is a decimal number.
double numberFromText(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) {
        throw RuntimeError::typeMismatch();
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc() || stop != last || !std::isfinite(value)) {
        throw RuntimeError::typeMismatch();
    }
    return value;
}

} // namespace

double Variant::toNumber() const {
    switch (type()) {
    case VariantType::Empty:
        return 0;
    case VariantType::Integer:
        return asInteger();
    case VariantType::Long:
        return asLong();
    case VariantType::Single:
        return asSingle();
    case VariantType::Double:
        return asDouble();
    case VariantType::Boolean:
        return asBoolean() ? -1 : 0;
    case VariantType::String:
        return numberFromText(asString());
    }
    return 0;
}

std::int32_t Variant::toLongRounded() const {
    return roundToLong(toNumber());
}

std::string describe(const Variant& value) {
    std::string text;
    switch (value.type()) {
    case VariantType::Empty:
        break;
    case VariantType::Boolean:
    case VariantType::String:
        text = plainText(value);
        break;
    default:
        text = Str(value);
        break;
    }
    return std::string(typeName(value.type())) + "[" + text + "]";
}

std::ostream& operator<<(std::ostream& out, const Variant& value) {
    return out << describe(value);
}

} // namespace rsa
