// Val, Str, Int and the round trip between a number and its text.

#include "testing/Failures.h"
#include "value/Conversions.h"

#include <gtest/gtest.h>

namespace rsa {
namespace {

TEST(Val, ReadsTheLongestLeadingNumberAsADouble) {
    const struct {
        std::string text;
        double value;
    } rows[] = {
        {"", 0},
        {"abc", 0},
        {"12ab", 12},
        {"1.5", 1.5},
        {"0042", 42},
        {"12 34", 1234},
        {"\t1\n2 ", 12},
        {"-1234", -1234},
        {"+5", 5},
        {"- 5", -5},
        {"1E3", 1000},
        {"1.5e-2", 0.015},
        {"12E", 12},
        {"12E+x", 12},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"5.", 5},
        {"&H1F", 31},
        {"&hff", 255},
        {"&O17", 15},
        {"&O19", 1},
        {"-&H10", -16},
        {"&H", 0},
        {"-", 0},
        {"2147483648", 2147483648.0},
        {"1e-400", 0},
        {"12\r34", 12},
        {"٣", 0},
        {"99999999999999999999", 1e20},
        {"0.0001e5", 10},
        {"0.001e-400", 0},
        // 400 zeros after the point: far too small, not too large.
        {"0." + std::string(400, '0') + "1e5", 0},
        {"1" + std::string(200000, '0') + "e-300000", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Val(row.text), Variant::doubleValue(row.value));
    }
    for (const std::string& huge :
         {std::string("1e400"), "0." + std::string(200000, '0') + "1e300000"}) {
        EXPECT_EQ(testing::failureNumber([&] { Val(huge); }), 6)
            << "a number beyond the Double range must overflow";
    }
}

TEST(Str, WritesOneLeadingBlankOrAMinus) {
    const struct {
        Variant value;
        const char* text;
    } rows[] = {
        {Variant(), " 0"},
        {Variant::integer(0), " 0"},
        {Variant::integer(-3), "-3"},
        {Variant::integer(-32768), "-32768"},
        {Variant::longInt(2147483647), " 2147483647"},
        {Variant::doubleValue(12.0), " 12"},
        {Variant::doubleValue(-0.0), " 0"},
        {Variant::doubleValue(12.34), " 12.34"},
        {Variant::doubleValue(-0.5), "-0.5"},
        {Variant::doubleValue(0.1 + 0.2), " 0.3"},
        {Variant::doubleValue(999999999999999.0), " 999999999999999"},
        {Variant::doubleValue(1e15), " 1E+15"},
        {Variant::doubleValue(-1.5e15), "-1.5E+15"},
        {Variant::doubleValue(2.5e9), " 2500000000"},
        {Variant::doubleValue(1e-5), " 1E-05"},
        {Variant::single(77.0f), " 77"},
        {Variant::single(0.1f), " 0.1"},
        {Variant::boolean(true), "True"},
        {Variant::string(" 12"), " 12"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(Str(row.value), row.text);
    }
    EXPECT_EQ(plainText(Variant::integer(7)), "7");
    EXPECT_EQ(plainText(Variant::integer(-7)), "-7");
}

TEST(Str, ValReadsBackWhatStrWrote) {
    for (double value : {0.0, 1.0, -1.0, 43.0, 0.005, 12.34, -1730.0, 2147483647.0,
                         123456789012345.0, 1e15, 1.25e-7, 3.14159265358979}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(Val(Str(Variant::doubleValue(value))), Variant::doubleValue(value));
    }
    for (std::int32_t value : {0, 7, -7, 32767, -2147483647 - 1}) {
        EXPECT_EQ(Val(Str(Variant::longInt(value))).asDouble(), value);
    }
}

TEST(Int, TakesTheWholePartDownwardsAndKeepsTheType) {
    EXPECT_EQ(Int(Variant::doubleValue(12.34)), Variant::doubleValue(12));
    EXPECT_EQ(Int(Variant::doubleValue(-0.5)), Variant::doubleValue(-1));
    EXPECT_EQ(Int(Variant::single(2.7f)), Variant::single(2));
    EXPECT_EQ(Int(Variant::integer(5)), Variant::integer(5));
    EXPECT_EQ(Int(Variant::longInt(-40000)), Variant::longInt(-40000));
    EXPECT_EQ(Int(Variant()), Variant::integer(0));
    EXPECT_EQ(Int(Variant::boolean(true)), Variant::integer(-1));
}

} // namespace
} // namespace rsa
