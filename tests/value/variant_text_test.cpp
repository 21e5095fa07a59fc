// Val, Str and Int: how a number is read from a text box's text and written
// back into one.

#include "testing/Failures.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

namespace rsa {
namespace {

// Blanks inside a number, exponents and a number beyond the Double range are
// checked against strtod by fuzz/val_fuzzer's corpus; these rows are what it
// cannot spell: &H and &O, a carriage return, a text without a number.
TEST(Val, ReadsTheLongestLeadingNumberAsADouble) {
    const struct {
        std::string text;
        double value;
    } rows[] = {
        {"", 0},
        {"abc", 0},
        {"12ab", 12},
        {"1.5", 1.5},
        {".5", 0.5},
        {"12\r34", 12},
        {"-1234", -1234},
        {"12E+x", 12},
        {"&H1FZ", 31},
        {"&hff", 255},
        {"&o17", 15},
        {"&O19", 1},
        {"-&H10", -16},
        {"1e-400", 0},
        {"1" + std::string(200000, '0') + "e-300000", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Val(row.text), Variant::doubleValue(row.value));
    }
    for (const std::string& huge : {std::string("1e400"), "&H" + std::string(300, 'F'),
                                    "0." + std::string(200000, '0') + "1e300000"}) {
        EXPECT_EQ(testing::failureNumber([&] { Val(huge); }), 6) << huge.substr(0, 20);
    }
}

TEST(Str, WritesOneLeadingBlankOrAMinus) {
    const struct {
        Variant value;
        const char* text;
    } rows[] = {
        {Variant(), " 0"},
        {Variant::integer(-3), "-3"},
        {Variant::longInt(2147483647), " 2147483647"},
        {Variant::doubleValue(12.0), " 12"},
        {Variant::doubleValue(-0.0), " 0"},
        {Variant::doubleValue(-0.5), "-0.5"},
        {Variant::doubleValue(0.1 + 0.2), " 0.3"},
        {Variant::doubleValue(999999999999999.0), " 999999999999999"},
        {Variant::doubleValue(1e15), " 1E+15"},
        {Variant::doubleValue(1e-5), " 1E-05"},
        {Variant::doubleValue(0.005), " 0.005"},
        {Variant::single(0.1f), " 0.1"},
        {Variant::single(1e7f), " 1E+07"},
        {Variant::boolean(true), "True"},
        {Variant::string(" 12"), " 12"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Str(row.value), row.text);
    }
    EXPECT_EQ(plainText(Variant::integer(-7)), "-7");
    EXPECT_EQ(plainText(Variant::doubleValue(7)), "7");
}

TEST(Int, TakesTheWholePartDownwardsAndKeepsTheType) {
    EXPECT_EQ(Int(Variant::single(2.7f)), Variant::single(2));
    EXPECT_EQ(Int(Variant::doubleValue(-0.5)), Variant::doubleValue(-1));
    EXPECT_EQ(Int(Variant::longInt(-40000)), Variant::longInt(-40000));
    EXPECT_EQ(Int(Variant::boolean(true)), Variant::integer(-1));
}

} // namespace
} // namespace rsa
