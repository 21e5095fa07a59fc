// Task codes: read back as written, every single mistyped character and every
// swap of neighbours refused, and the result code fixed by the task code.

#include "exercise/TaskCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace rsa::exercise {
namespace {

std::optional<CodeRule> refusal(std::string_view typed) {
    const auto read = readTaskCode(typed);
    if (const auto* problem = std::get_if<CodeProblem>(&read)) {
        return problem->rule;
    }
    return std::nullopt;
}

const TaskCode samples[] = {
    {Kind::Task, Level::Kolay, 0},      {Kind::Task, Level::Orta, serialCount - 1},
    {Kind::Attacker, Level::Zor, 4711}, {Kind::Attacker, Level::Kolay, serialCount / 3},
    {Kind::Fermat, Level::Orta, 12},    {Kind::Shared, Level::Zor, 99},
    {Kind::SmallE, Level::Kolay, 7},    {Kind::Common, Level::Kolay, serialCount - 2},
    {Kind::Wiener, Level::Zor, 3},      {Kind::Hastad, Level::Orta, 1234},
};

// Read off a board, a character may be taken for its look-alike: the
// alphabet holds at most one of each pair, and the other reads as it.
TEST(TaskCode, LookAlikesOnABoardOpenTheSameTask) {
    const std::pair<char, char> lookAlikes[] = {{'5', 'S'}, {'8', 'B'}, {'2', 'Z'}, {'6', 'G'},
                                                {'U', 'V'}, {'0', 'O'}, {'1', 'I'}};
    for (const auto& [one, other] : lookAlikes) {
        const bool hasOne = alphabet.find(one) != std::string_view::npos;
        const bool hasOther = alphabet.find(other) != std::string_view::npos;
        EXPECT_FALSE(hasOne && hasOther) << one << other;
        if (!hasOne && !hasOther) {
            continue;
        }
        const char kept = hasOne ? one : other, misread = hasOne ? other : one;
        for (std::uint32_t serial = 0; serial < 3000; serial += 7) {
            const TaskCode code{static_cast<Kind>(serial % 2), Level::Zor, serial * 2011};
            std::string text = code.text();
            std::replace(text.begin(), text.end(), kept, misread);
            EXPECT_EQ(std::get<TaskCode>(readTaskCode(text)), code) << text;
        }
    }
    EXPECT_EQ(alphabet.find_first_of("L9Q"), std::string_view::npos);
}

// The golden exercise scenarios pin the text of codes of every kind.
TEST(TaskCode, ReadsBackAndEveryMistypedCharacterAndSwapIsRefused) {
    for (const TaskCode& code : samples) {
        const std::string text = code.text();
        EXPECT_EQ(std::get<TaskCode>(readTaskCode(text)), code);
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (char other : alphabet) {
                std::string typo = text;
                typo[at] = other;
                if (typo != text) {
                    EXPECT_EQ(refusal(typo), CodeRule::CheckFails) << typo;
                }
            }
            if (at + 1 < text.size() && text[at] != text[at + 1]) {
                std::string swapped = text;
                std::swap(swapped[at], swapped[at + 1]);
                EXPECT_EQ(refusal(swapped), CodeRule::CheckFails) << swapped;
            }
        }
    }
}

TEST(TaskCode, RefusalsSayWhatIsWrong) {
    // The scenario exercise_mistyped_code shows the other refusals; the letters
    // that look like digits must be refused too, not read as those digits.
    const std::string good = samples[2].text();
    for (const char* lookAlike : {"O", "1", "I", "l"}) {
        EXPECT_EQ(refusal(lookAlike + good.substr(1)), CodeRule::ForeignCharacter) << lookAlike;
    }
    // A kind or level letter that no code has, with a check that fits.
    for (const char* made : {"AK22222", "GA22222"}) {
        const std::string body = made;
        int checked = 0;
        for (char check : alphabet) {
            const std::optional<CodeRule> reason = refusal(body + check);
            if (reason != CodeRule::CheckFails) {
                ++checked;
                EXPECT_EQ(reason, body[0] == 'A' ? CodeRule::UnknownKind : CodeRule::UnknownLevel);
            }
        }
        EXPECT_EQ(checked, 1) << made;
    }
}

TEST(TaskCode, RandomCodesAndTheirResultCodesDiffer) {
    std::set<std::string> codes;
    for (int i = 0; i < 50; ++i) {
        const TaskCode code = newTaskCode(Kind::Attacker, Level::Orta);
        EXPECT_EQ(code.kind, Kind::Attacker);
        EXPECT_EQ(code.level, Level::Orta);
        codes.insert(code.text());
    }
    // 50 draws among 23^5 serials: a repeat has a chance below 1 in 5,000.
    EXPECT_GE(codes.size(), 49u);
    EXPECT_EQ(codeFromRandom(Kind::Task, Level::Zor, serialCount + 7).serial, 7u);
    // The result code differs from task to task.
    std::set<std::string> results;
    for (std::uint32_t serial = 0; serial < 1000; ++serial) {
        const std::string result = resultCode({Kind::Task, Level::Kolay, serial});
        results.insert(result);
    }
    EXPECT_GE(results.size(), 999u);
    EXPECT_NE(resultCode({Kind::Task, Level::Kolay, 5}),
              resultCode({Kind::Attacker, Level::Kolay, 5}));
    EXPECT_NE(resultCode({Kind::Task, Level::Kolay, 5}), resultCode({Kind::Task, Level::Orta, 5}));
}

} // namespace
} // namespace rsa::exercise
