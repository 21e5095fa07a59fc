// The usual mistakes that neither the golden scenarios exercise_kolay and
// exercise_attacker nor the property test over random tasks reach, answered on
// the worked example of the Ministry's summer-school booklet (p = 11, q = 23,
// e = 7 gives d = 63, and 17 encrypts to 250), each named as itself with the
// numbers its sentence needs, worked out here by hand.

#include "exercise/Diagnosis.h"
#include "exercise/Exercise.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace rsa::exercise {
namespace {

Task booklet(Kind kind) {
    Task task;
    task.code.kind = kind;
    task.p = 11;
    task.q = 23;
    task.e = 7;
    task.m = 17;
    task.cPrime = 250; // decrypts to 17
    task.blocks = {250, 5, 100};
    return task;
}

struct Case {
    const char* label;
    Kind kind;
    Answer answer;
    std::string text;
    Mistake mistake;
    std::vector<std::string> numbers;
};

const Case cases[] = {
    {"phi=10*10", Kind::Task, Answer::Phi, "100", Mistake::PhiWrongQuotient, {"10", "10", "22"}},
    {"phi odd", Kind::Task, Answer::Phi, "105", Mistake::PhiNotMultiple, {"10", "5"}},
    // 10^20 = 220 · k + 100, and 7 · 100 = 700 = 3 · 220 + 40.
    {"d huge",
     Kind::Task,
     Answer::D,
     "100000000000000000000",
     Mistake::DCheckFails,
     {"7", "220", "40"}},
    {"c too large", Kind::Task, Answer::C, "300", Mistake::NotBelowModulus, {"c", "253"}},
    {"a lone minus", Kind::Task, Answer::R, "-", Mistake::NotANumber, {"-"}},
    {"past the size limit",
     Kind::Task,
     Answer::C,
     std::string(10001, '7'),
     Mistake::TooLarge,
     {"c"}},
    // 2⁷ = 128 < 253, where c₃ = 100.
    {"m3 wrong",
     Kind::Attacker,
     Answer::M3,
     "2",
     Mistake::DecryptCheckFails,
     {"m₃", "c₃", "128", "100"}},
    // Right answers, blanks and a leading zero allowed.
    {"n right", Kind::Task, Answer::N, " 253 ", Mistake::None, {}},
    {"d right", Kind::Task, Answer::D, "063", Mistake::None, {}},
};

TEST(MistakeDiagnosis, EachMistakeIsNamedWithItsNumbersInASentenceOfItsOwn) {
    std::map<Mistake, std::string> sentenceOfMistake;
    for (const Case& c : cases) {
        const Diagnosis diagnosis = diagnose(booklet(c.kind), c.answer, c.text);
        EXPECT_EQ(diagnosis.rule, c.mistake) << c.label;
        EXPECT_EQ(diagnosis.numbers, c.numbers) << c.label;
        const std::string sentence = sentenceOf(diagnosis, nullptr);
        EXPECT_EQ(sentence.empty(), c.mistake == Mistake::None) << c.label;
        for (const std::string& number : diagnosis.numbers) {
            EXPECT_NE(sentence.find(number), std::string::npos) << c.label << ": " << sentence;
        }
        sentenceOfMistake.emplace(diagnosis.rule, sentence);
    }
    std::set<std::string> different;
    for (const auto& [mistake, sentence] : sentenceOfMistake) {
        different.insert(sentence);
    }
    EXPECT_EQ(different.size(), sentenceOfMistake.size());
}

// A revealed answer found right afterwards earns the other result code, and
// opening the code again does not forget the reveal.
TEST(MistakeDiagnosis, RevealedAnswersStayRevealedAndChangeTheResultCode) {
    const TaskCode code{Kind::Task, Level::Kolay, 12345};
    const auto solveAll = [](Exercise& exercise) {
        for (Answer answer : exercise.answers()) {
            EXPECT_TRUE(exercise.check(answer, std::to_string(rightAnswer(exercise.task(), answer)))
                            .right());
        }
    };
    Exercise clean(TaskCode{Kind::Task, Level::Kolay, 12346});
    solveAll(clean);
    EXPECT_EQ(clean.resultCode(), resultCode(clean.task().code));

    Exercise exercise(code);
    EXPECT_TRUE(exercise.check(Answer::N, std::to_string(exercise.task().n())).right());
    exercise.reveal();
    EXPECT_EQ(exercise.state(Answer::D), AnswerState::Revealed);
    EXPECT_EQ(exercise.score().revealed, 4);
    Exercise reopened(code);
    EXPECT_EQ(reopened.score().revealed, 4);
    EXPECT_EQ(reopened.state(Answer::N), AnswerState::Open);
    solveAll(reopened);
    EXPECT_EQ(reopened.score().right, 5);
    const TeacherView teacher = teacherView(code);
    EXPECT_EQ(reopened.resultCode(), teacher.resultAfterReveal);
    EXPECT_NE(teacher.resultAfterReveal, teacher.resultCode);
}

} // namespace
} // namespace rsa::exercise
