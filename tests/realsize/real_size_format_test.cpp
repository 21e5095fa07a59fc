// The window's numbers in the language's own format: counts with a dot
// between thousands, seconds and powers of ten with a decimal comma in
// Turkish, long numbers cut to their two ends with their digit count, the
// time axis named in known units, and a text's length in the characters a
// reader sees.
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
    // A table's cell keeps fewer digits at each end.
    EXPECT_EQ(shortened(thirty, 4), QString::fromUtf8("1234…7890 (30 basamak)"));
    EXPECT_EQ(shortened(mpz_class("123456789012"), 4), QStringLiteral("123456789012"));
}

TEST_F(RealSizeFormat, CountsAndRoundedNumbersGroupTheirThousands) {
    EXPECT_EQ(whole(2700), QStringLiteral("2.700"));
    EXPECT_EQ(whole(999), QStringLiteral("999"));
    const std::vector<std::pair<double, const char*>> cases{
        {2700.0, "2.700"}, {6.29e8, "630.000.000"}, {1.04e3, "1.000"}};
    for (const auto& [value, shown] : cases) {
        EXPECT_EQ(aboutWhole(value), QString::fromUtf8(shown)) << value;
    }
    const auto marks = timeMarks();
    QStringList names;
    for (const auto& [seconds, name] : marks) {
        names << name;
    }
    EXPECT_EQ(names, QString::fromUtf8("1 ms|1 saniye|1 saat|1 yıl|1.000 yıl|10⁶ yıl|10⁹ yıl|"
                                       "10¹² yıl|10¹⁵ yıl")
                         .split(QLatin1Char('|')));
    EXPECT_DOUBLE_EQ(marks.at(3).first, 365.25 * 24 * 3600);
}

TEST_F(RealSizeFormat, CharactersAreWhatAReaderCounts) {
    const std::string family = "👨‍👩‍👧‍👦";
    std::string families;
    for (int i = 0; i < 8; ++i) {
        families += family;
    }
    const std::vector<std::tuple<std::string, std::size_t, std::size_t>> cases{
        {"çay", 1, 0},
        {"çay", 2, 1},
        {"çay", 10, 3},
        {"a😀b", 4, 1},
        {"a😀b", 5, 2},
        {families, families.size(), 8},
        {families, family.size() - 1, 0},
        {"e\u0301e", 3, 1},
        {"🇹🇷a", 9, 2},
        {"", 5, 0}};
    for (const auto& [text, bytes, characters] : cases) {
        EXPECT_EQ(charactersWithin(text, bytes), characters) << text << ' ' << bytes;
    }
}

} // namespace
} // namespace rsa::realsizeformat
