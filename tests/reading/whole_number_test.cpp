// Every box that takes a whole number reads it here: what counts as a blank,
// a sign and a digit, and where a number is refused.

#include "reading/WholeNumber.h"

#include <gtest/gtest.h>

#include <string>

namespace rsa::reading {
namespace {

struct Row {
    const char* name;
    std::string text;
    Sign sign;
    // A number is given as its digits and sign; a refusal as its problem.
    std::variant<WholeNumber, NumberProblem> read;
    // The thousands separator of the window's language, when groups are read.
    std::string_view thousands = {};
};

WholeNumber number(const char* digits, bool negative = false) {
    return {negative, digits};
}

const std::string tenThousandNines(largestDigits, '9');

const Row rows[] = {
    {"blanks, tabs and line breaks around", " \t3233\r\n ", Sign::Allowed, number("3233")},
    {"a no-break space around, as pasted", "\u00A03233\u00A0", Sign::Allowed, number("3233")},
    {"leading zeros dropped", "0003233", Sign::Allowed, number("3233")},
    {"zero", "000", Sign::Allowed, number("0")},
    {"minus zero is zero", "-0", Sign::Allowed, number("0")},
    {"hyphen minus", "-5", Sign::Allowed, number("5", true)},
    {"typographic minus", "\u22125", Sign::Allowed, number("5", true)},
    {"plus", "+17", Sign::Allowed, number("17")},
    {"Arabic-Indic digits", "\u0661\u0667", Sign::Allowed, number("17")},
    {"Eastern Arabic-Indic digits", "\u06F3\u06F2\u06F3\u06F3", Sign::Allowed, number("3233")},
    {"full-width digits", "\uFF11\uFF17", Sign::Allowed, number("17")},
    {"digits of two sets", "1\u0667", Sign::Allowed, number("17")},
    {"beyond 64 bits, exactly", "100000000000000000000", Sign::Allowed,
     number("100000000000000000000")},
    {"as long as allowed", tenThousandNines, Sign::Allowed, number(tenThousandNines.c_str())},
    {"leading zeros do not count towards the limit", "000" + tenThousandNines, Sign::Allowed,
     number(tenThousandNines.c_str())},
    {"nothing", "", Sign::Allowed, NumberProblem::Empty},
    {"only blanks", " \t\u00A0", Sign::Allowed, NumberProblem::Empty},
    {"a lone sign", "-", Sign::Allowed, NumberProblem::NotANumber},
    {"a blank after the sign", "- 5", Sign::Allowed, NumberProblem::NotANumber},
    {"a blank inside", "32 33", Sign::Allowed, NumberProblem::NotANumber},
    {"a point", "3233.0", Sign::Allowed, NumberProblem::NotANumber},
    {"two signs", "--5", Sign::Allowed, NumberProblem::NotANumber},
    {"a word", "on yedi", Sign::Allowed, NumberProblem::NotANumber},
    {"Devanagari digits", "\u0967\u096D", Sign::Allowed, NumberProblem::NotANumber},
    {"superscript digits", "\u00B9\u2077", Sign::Allowed, NumberProblem::NotANumber},
    {"a plus where no sign belongs", "+1794", Sign::Refused, NumberProblem::NotANumber},
    {"a minus where no sign belongs", "\u22121794", Sign::Refused, NumberProblem::NotANumber},
    {"one digit too many", "1" + tenThousandNines, Sign::Allowed, NumberProblem::TooLong},
    {"too long and a letter: not a number", "1" + tenThousandNines + "x", Sign::Allowed,
     NumberProblem::NotANumber},
    {"Turkish groups", "−1.234.567", Sign::Allowed, number("1234567", true), "."},
    {"English groups", "3,907", Sign::Allowed, number("3907"), ","},
    {"blank groups", "3 907\u00A0000", Sign::Allowed, number("3907000"), "."},
    {"no groups at all", "3907", Sign::Allowed, number("3907"), ","},
    {"a Turkish decimal comma", "3,5", Sign::Allowed, NumberProblem::Fraction, "."},
    {"a point that groups nothing", "12.5", Sign::Allowed, NumberProblem::Fraction, "."},
    {"a decimal point in English", "3.907", Sign::Allowed, NumberProblem::Fraction, ","},
    {"a group of two", "3.90", Sign::Allowed, NumberProblem::Fraction, "."},
    {"a first group of four", "3907 000", Sign::Allowed, NumberProblem::NotANumber, "."},
    {"two marks", "1.5,5", Sign::Allowed, NumberProblem::NotANumber, "."},
};

TEST(WholeNumber, EachRowReadOrRefusedAsNamed) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto read = readWholeNumber(row.text, row.sign, row.thousands);
        ASSERT_EQ(read.index(), row.read.index());
        if (const auto* expected = std::get_if<WholeNumber>(&row.read)) {
            EXPECT_EQ(std::get<WholeNumber>(read).digits, expected->digits);
            EXPECT_EQ(std::get<WholeNumber>(read).negative, expected->negative);
        } else {
            EXPECT_EQ(std::get<NumberProblem>(read), std::get<NumberProblem>(row.read));
        }
    }
}

TEST(WholeNumber, ValueWhereItFitsIn64Bits) {
    EXPECT_EQ(number("9223372036854775807").value(), INT64_MAX);
    EXPECT_EQ(number("9223372036854775807", true).value(), -INT64_MAX);
    EXPECT_EQ(number("9223372036854775808").value(), std::nullopt);
    EXPECT_EQ(number("0").value(), 0);
}

} // namespace
} // namespace rsa::reading
