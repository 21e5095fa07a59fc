// The step window's sections of the real-size window: the power counts are
// those of each exponent (d = 1011 in binary: 3 squarings, 2 multiplications),
// "all four came back" is said only when they did, a text's length is in
// characters and bytes, a failed race adds no empty paragraph, and the big
// attacks' tables show each step tried, the long ones cut in the middle.
#include "realsize/BadKeys.h"
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

std::vector<std::string> paragraphs(const explain::Section& section) {
    std::vector<std::string> found;
    for (const explain::Element& element : section.groups.at(0).elements) {
        if (const auto* sentence = std::get_if<std::string>(&element)) {
            found.push_back(*sentence);
        }
    }
    return found;
}

using Rows = std::vector<std::vector<std::string>>;
const std::vector<std::string> skipped(5, "⋮");

TEST(RealSizeExplanation, WienerShowsEachConvergentAndChecksTheDFound) {
    const std::atomic<bool> goOn{false};
    // The classroom's n = 239 * 379, e = 17993: 0/1, then 1/5 gives phi.
    const realsize::BigKey small{17, 239, 379, 90581, 17993, 5};
    const explain::Section section =
        wienerSection(small, realsize::wienerAttack(small.n, small.e, goOn), QString());
    EXPECT_EQ(onlyTable(section).rows,
              (Rows{{"0", "0", "1", "tam değil", "–"}, {"1", "1", "5", "89964", "evet"}}));
    const std::vector<std::string> sentences = paragraphs(section);
    EXPECT_NE(std::find(sentences.begin(), sentences.end(),
                        "i = 1 satırında diskriminant tam kare çıktı: d = 5"),
              sentences.end());
    EXPECT_NE(std::find(sentences.begin(), sentences.end(),
                        "Sağlama bir deneme bloğuyla: m = 42 için c = mᵉ mod n = 82677 ve c^d "
                        "mod n = 42."),
              sentences.end());

    // A 512-bit key tries dozens: the first four and the last three show.
    realsize::RandomSource random;
    const realsize::BigKey key =
        *realsize::smallPrivateExponentKey(512, realsize::wienerSafeBits(512), random, goOn);
    const realsize::WienerAttack attack = realsize::wienerAttack(key.n, key.e, goOn);
    const explain::Section big = wienerSection(key, attack, QString());
    const Rows& rows = onlyTable(big).rows;
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[3][0], "3");
    EXPECT_EQ(rows[4], skipped);
    EXPECT_EQ(rows[7][0], std::to_string(attack.rows.size() - 1));
    EXPECT_EQ(rows[7][4], "evet");
}

TEST(RealSizeExplanation, FermatShowsTheStepsKeptAndWhereOthersWere) {
    const std::atomic<bool> goOn{false};
    // 11099 = 11 * 1009: a = 106 up, and at step 405 510^2 - 11099 = 499^2.
    const realsize::BigKey key{14, 11, 1009, 11099, 3, 0};
    const explain::Section found =
        fermatSection(key, realsize::fermatAttack(key.n, 1000, goOn), QString());
    const Rows& rows = onlyTable(found).rows;
    ASSERT_EQ(rows.size(), realsize::fermatRowsKept + 2);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"1", "106", "137", "hayır"}));
    EXPECT_EQ(rows[realsize::fermatRowsKept], std::vector<std::string>(4, "⋮"));
    EXPECT_EQ(rows.back(), (std::vector<std::string>{"405", "510", "249001", "evet, 499²"}));
    const std::vector<std::string> sentences = paragraphs(found);
    ASSERT_GE(sentences.size(), 4u);
    EXPECT_EQ(sentences[1], "b = √(a² − n) = 499");
    EXPECT_EQ(sentences[2], "p = a − b = 11");
    EXPECT_EQ(sentences[3], "q = a + b = 1009");

    // Given up after 20 steps: the steps not shown follow the table's rows.
    const explain::Section lost =
        fermatSection(key, realsize::fermatAttack(key.n, 20, goOn), QString());
    EXPECT_EQ(onlyTable(lost).rows.back(), std::vector<std::string>(4, "⋮"));
    EXPECT_EQ(paragraphs(lost).size(), 2u); // the start and the outcome
}

TEST(RealSizeExplanation, TheBatchGcdShowsEachLevelOfTheProductTree) {
    const std::atomic<bool> goOn{false};
    const realsize::SharedPrimes found = *realsize::batchGcd({6, 15, 35, 11, 13}, goOn);
    const explain::Section section = surveySection(5, 4, found, std::nullopt, QString());
    EXPECT_EQ(onlyTable(section).rows,
              (Rows{{"0", "5", "6"}, {"1", "3", "9"}, {"2", "2", "16"}, {"3", "1", "19"}}));
    // 6, 15 and 35 share a prime with another; 11 and 13 none.
    EXPECT_EQ(paragraphs(section).back(), "3. anahtar: başka bir anahtarla ortak asalı 5");
}

} // namespace
} // namespace rsa::realsizeexplain
