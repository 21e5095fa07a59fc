// The step window's sections of the real-size window: the power counts are
// those of each exponent (d = 1011 in binary: 3 squarings, 2 multiplications),
// "all four came back" is said only when they did, a text's length is in
// characters and bytes, and a failed race adds no empty paragraph.
#include "realsizewindow/RealSizeExplanation.h"
#include "testing/QtApplication.h"
#include "texts/RealSizeTexts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rsa::realsizeexplain {
namespace {

const explain::Table& onlyTable(const explain::Section& section) {
    for (const explain::Element& element : section.groups.at(0).elements) {
        if (const auto* table = std::get_if<explain::Table>(&element)) {
            return *table;
        }
    }
    throw std::logic_error("no table");
}

TEST(RealSizeExplanation, CountsEachExponentsPowerAndSaysOnlyWhatHappened) {
    realsize::BigKey key{64, 3, 5, mpz_class("9223372036854775809"), 65537, 11};
    const explain::Section section = keySection(key);
    const explain::Table& powers = onlyTable(section);
    ASSERT_EQ(powers.rows.size(), 2U);
    EXPECT_EQ(powers.rows[0], (std::vector<std::string>{"e (şifreleme)", "17", "16", "1"}));
    EXPECT_EQ(powers.rows[1], (std::vector<std::string>{"d (şifre çözme)", "4", "3", "2"}));

    realsize::TextContrast contrast{1, 1, "a", "b", {"şü", "şü", "şü", "şü"}};
    const auto saysAllBack = [&] {
        const explain::Section section = textSection(key, "şü", contrast);
        const std::vector<explain::Element>& elements = section.groups.at(0).elements;
        return std::any_of(elements.begin(), elements.end(), [](const explain::Element& element) {
            const auto* sentence = std::get_if<std::string>(&element);
            return sentence && *sentence == texts::realsize::allBack;
        });
    };
    EXPECT_TRUE(saysAllBack());
    contrast.back[3] = "ş";
    EXPECT_FALSE(saysAllBack());
    EXPECT_EQ(textSection(key, "şü", contrast).title,
              "Gerçek boyutta şifreleme: 2 karakter (4 bayt), 64 bitlik anahtar");
}

TEST(RealSizeExplanation, AFailedRaceSaysOnlyWhatItHas) {
    const QString failure = QStringLiteral("the helper program could not start");
    const explain::Section section = raceSection({}, failure, QString());
    ASSERT_EQ(section.groups.size(), 1U);
    const std::vector<explain::Element>& elements = section.groups[0].elements;
    ASSERT_EQ(elements.size(), 1U);
    EXPECT_EQ(std::get<std::string>(elements[0]), failure.toStdString());
}

} // namespace
} // namespace rsa::realsizeexplain
