#pragma once

// Variant: the tagged value every number of the program is held in. Integer
// (16 bits), Long (32 bits), Single (binary32), Double (binary64), Boolean,
// String and Empty. Results change type as they grow: the arithmetic widens an
// Integer result that does not fit 16 bits to Long, a Long result to Double,
// a Single result beyond the Single range to Double. The widening rules live in
// Promotion.h; failures are RuntimeError (RuntimeError.h).

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>

namespace rsa {

// The order of the tags is the order of the alternatives in Variant's payload.
enum class VariantType { Empty, Integer, Long, Single, Double, Boolean, String };

const char* typeName(VariantType type);

class Variant {
public:
    Variant() = default; // Empty

    static Variant integer(std::int16_t value) { return Variant(Payload(value)); }
    static Variant longInt(std::int32_t value) { return Variant(Payload(value)); }
    static Variant single(float value) { return Variant(Payload(value)); }
    static Variant doubleValue(double value) { return Variant(Payload(value)); }
    static Variant boolean(bool value) { return Variant(Payload(value)); }
    static Variant string(std::string text) { return Variant(Payload(std::move(text))); }

    VariantType type() const { return static_cast<VariantType>(m_payload.index()); }
    bool isEmpty() const { return type() == VariantType::Empty; }
    bool isString() const { return type() == VariantType::String; }

    std::int16_t asInteger() const { return std::get<std::int16_t>(m_payload); }
    std::int32_t asLong() const { return std::get<std::int32_t>(m_payload); }
    float asSingle() const { return std::get<float>(m_payload); }
    double asDouble() const { return std::get<double>(m_payload); }
    bool asBoolean() const { return std::get<bool>(m_payload); }
    const std::string& asString() const { return std::get<std::string>(m_payload); }

    // The numeric value: Empty is 0, a Boolean -1 or 0, a String its number
    // (Type mismatch when the text is not one).
    double toNumber() const;

    // The whole number a remainder or a bitwise operation works on: the value
    // rounded to the nearest whole number, ties to even; Overflow outside the
    // Long range.
    std::int32_t toLongRounded() const;

    // Same tag and same payload. This is identity, for tests and bookkeeping;
    // the program's own comparison (where the Long 1 equals the Double 1.0) is
    // isEqual() in Operations.h.
    friend bool operator==(const Variant& a, const Variant& b) {
        return a.m_payload == b.m_payload;
    }
    friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

private:
    using Payload =
        std::variant<std::monostate, std::int16_t, std::int32_t, float, double, bool, std::string>;
    explicit Variant(Payload payload) : m_payload(std::move(payload)) {}

    Payload m_payload;
};

// "Long[ 40000]": the tag and the Str text, as the scenario driver prints it.
std::string describe(const Variant& value);
std::ostream& operator<<(std::ostream& out, const Variant& value);

} // namespace rsa
