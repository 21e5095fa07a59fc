// The window's numbers in the language's own format: seconds and powers of
// ten with a decimal comma in Turkish, long numbers cut to their two ends
// with their digit count, and {0}-slots filled.
#include "realsizewindow/RealSizeFormat.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace rsa::realsizeformat {
namespace {

int argc = 1;
char name[] = "real_size_format_test";
char* argv[] = {name, nullptr};

class RealSizeFormat : public ::testing::Test {
protected:
    // No catalogue installed: the texts are the Turkish source.
    QCoreApplication m_application{argc, argv};
};

TEST_F(RealSizeFormat, SecondsAndPowersOfTenUseTheDecimalComma) {
    const std::vector<std::pair<double, const char*>> secondsCases{
        {0.1234, "0,123"}, {9.9994, "9,999"}, {12.345, "12,3"}};
    for (const auto& [value, shown] : secondsCases) {
        EXPECT_EQ(seconds(value), QString::fromUtf8(shown)) << value;
    }
    const std::vector<std::pair<double, const char*>> powerCases{
        {6.29e14, "6,3 · 10¹⁴"}, {1.0, "1,0 · 10⁰"}, {0.072, "7,2 · 10⁻²"}, {2.5e10, "2,5 · 10¹⁰"}};
    for (const auto& [value, shown] : powerCases) {
        EXPECT_EQ(powerOfTen(value), QString::fromUtf8(shown)) << value;
    }
}

TEST_F(RealSizeFormat, LongNumbersShowTheirEndsAndDigitCount) {
    const mpz_class thirty("123456789012345678901234567890");
    EXPECT_EQ(shortened(thirty), QString::fromUtf8("1234567890…1234567890 (30 basamak)"));
    EXPECT_EQ(digitCount(thirty), QStringLiteral("30"));
    // Up to 24 digits the number is shorter than its cut form would be.
    const mpz_class twentyFour("123456789012345678901234");
    EXPECT_EQ(shortened(twentyFour), QStringLiteral("123456789012345678901234"));
}

} // namespace
} // namespace rsa::realsizeformat
