// The usual mistakes of the method, each answered on the worked example of the
// Ministry's summer-school booklet (p = 11, q = 23, e = 7 gives d = 63, and
// 17 encrypts to 250), each named as itself with the numbers its sentence
// needs. The other numbers are worked out here by hand or by plain loops.

#include "exercise/Diagnosis.h"
#include "exercise/Exercise.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace rsa::exercise {
namespace {

// base^exponent mod modulus by repeated multiplication, the slow way.
std::int64_t slowPower(std::int64_t base, std::int64_t exponent, std::int64_t modulus) {
    std::int64_t result = 1;
    for (std::int64_t i = 0; i < exponent; ++i) {
        result = result * base % modulus;
    }
    return result;
}

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
    std::vector<std::int64_t> numbers;
};

const std::string s(std::int64_t value) {
    return std::to_string(value);
}

const Case cases[] = {
    // 1. n as p + q, as (p − 1)(q − 1); otherwise the divisibility check.
    {"n=p+q", Kind::Task, Answer::N, "34", Mistake::NIsSum, {}},
    {"n=phi", Kind::Task, Answer::N, "220", Mistake::NIsPhi, {}},
    {"n not a multiple of p", Kind::Task, Answer::N, "250", Mistake::NNotMultiple, {11, 8}},
    {"n=11*22", Kind::Task, Answer::N, "242", Mistake::NWrongQuotient, {11, 22, 23}},
    // 2. φ as n, n − 1 (= p·q − 1), (p−1)+(q−1), p·q − p − q.
    {"phi=n", Kind::Task, Answer::Phi, "253", Mistake::PhiIsN, {}},
    {"phi=n-1", Kind::Task, Answer::Phi, "252", Mistake::PhiIsNMinusOne, {}},
    {"phi=sum", Kind::Task, Answer::Phi, "32", Mistake::PhiIsSum, {}},
    {"phi=pq-p-q", Kind::Task, Answer::Phi, "219", Mistake::PhiMissingOne, {}},
    {"phi=10*10", Kind::Task, Answer::Phi, "100", Mistake::PhiWrongQuotient, {10, 10, 22}},
    {"phi odd", Kind::Task, Answer::Phi, "105", Mistake::PhiNotMultiple, {10, 5}},
    // 3. e·d mod φ ≠ 1: 7 · 64 = 448 = 2 · 220 + 8.
    {"d off by one", Kind::Task, Answer::D, "64", Mistake::DCheckFails, {7, 220, 8}},
    {"d beyond 64 bits",
     Kind::Task,
     Answer::D,
     "100000000000000000000",
     Mistake::DCheckFails,
     // 10^20 = 220 · k + 100, and 7 · 100 = 700 = 3 · 220 + 40.
     {7, 220, 40}},
    // 4. The Euclid coefficient before reducing: 63 − 220, 63 + 220.
    {"d negative t", Kind::Task, Answer::D, "-157", Mistake::DNegative, {220}},
    {"d with a true minus", Kind::Task, Answer::D, "−157", Mistake::DNegative, {220}},
    {"d above phi", Kind::Task, Answer::D, "283", Mistake::DNotReduced, {220}},
    // 5. The inverse mod n: 7 · 217 = 1519 = 6 · 253 + 1.
    {"d mod n", Kind::Task, Answer::D, "217", Mistake::DInverseModN, {}},
    // 6. c as m · e, mᵉ unreduced (17⁷ = 410338673), with d.
    {"c=m*e", Kind::Task, Answer::C, "119", Mistake::EncryptMultiplied, {}},
    {"c=m^e", Kind::Task, Answer::C, "410338673", Mistake::NotReduced, {253}},
    {"c with d", Kind::Task, Answer::C, s(slowPower(17, 63, 253)), Mistake::EncryptUsedD, {}},
    {"c wrong",
     Kind::Task,
     Answer::C,
     "5",
     Mistake::EncryptCheckFails,
     {slowPower(5, 63, 253), 17}},
    {"c too large", Kind::Task, Answer::C, "300", Mistake::NotBelowModulus, {253}},
    // 7. r with e, r mod φ; and unreduced.
    {"r with e", Kind::Task, Answer::R, s(slowPower(250, 7, 253)), Mistake::DecryptUsedE, {}},
    {"r mod phi", Kind::Task, Answer::R, s(slowPower(250, 63, 220)), Mistake::DecryptModPhi, {}},
    {"r unreduced", Kind::Task, Answer::R, "270", Mistake::NotReduced, {253}},
    {"r wrong",
     Kind::Task,
     Answer::R,
     "5",
     Mistake::DecryptCheckFails,
     {slowPower(5, 7, 253), 250}},
    // 8. Not a number, negative, empty: a sentence, never a failure.
    {"empty", Kind::Task, Answer::N, "   ", Mistake::Empty, {}},
    {"letters", Kind::Task, Answer::Phi, "22O", Mistake::NotANumber, {}},
    {"a fraction", Kind::Task, Answer::C, "2.5", Mistake::NotANumber, {}},
    {"a lone minus", Kind::Task, Answer::R, "-", Mistake::NotANumber, {}},
    {"negative n", Kind::Task, Answer::N, "-253", Mistake::Negative, {}},
    {"negative c", Kind::Task, Answer::C, "-3", Mistake::Negative, {}},
    // The attacker's factors and plain blocks.
    {"p is the larger", Kind::Attacker, Answer::P, "23", Mistake::FactorLarger, {}},
    {"q is the smaller", Kind::Attacker, Answer::Q, "11", Mistake::FactorSmaller, {}},
    {"p = 1", Kind::Attacker, Answer::P, "1", Mistake::FactorTrivial, {}},
    {"q = n", Kind::Attacker, Answer::Q, "253", Mistake::FactorTrivial, {}},
    {"p = 7", Kind::Attacker, Answer::P, "7", Mistake::FactorNotDividing, {253, 1}},
    {"m2 with e", Kind::Attacker, Answer::M2, s(slowPower(5, 7, 253)), Mistake::DecryptUsedE, {}},
    {"m3 wrong", Kind::Attacker, Answer::M3, "2", Mistake::DecryptCheckFails, {128, 100}},
    // Right answers, blanks around them allowed.
    {"n right", Kind::Task, Answer::N, " 253 ", Mistake::None, {}},
    {"d right", Kind::Task, Answer::D, "063", Mistake::None, {}},
    {"c right", Kind::Task, Answer::C, "250", Mistake::None, {}},
    {"r right", Kind::Task, Answer::R, "17", Mistake::None, {}},
    {"m1 right", Kind::Attacker, Answer::M1, "17", Mistake::None, {}},
};

TEST(MistakeDiagnosis, EachUsualMistakeIsNamedWithItsNumbers) {
    for (const Case& c : cases) {
        const Diagnosis diagnosis = diagnose(booklet(c.kind), c.answer, c.text);
        EXPECT_EQ(diagnosis.mistake, c.mistake) << c.label;
        EXPECT_EQ(diagnosis.numbers, c.numbers) << c.label;
        EXPECT_EQ(sentenceOf(c.answer, diagnosis).empty(), c.mistake == Mistake::None) << c.label;
    }
}

TEST(MistakeDiagnosis, EveryMistakeHasASentenceOfItsOwnWithItsNumbers) {
    std::map<Mistake, std::string> sentenceOfMistake;
    for (const Case& c : cases) {
        const Diagnosis diagnosis = diagnose(booklet(c.kind), c.answer, c.text);
        const std::string sentence = sentenceOf(c.answer, diagnosis);
        for (std::int64_t number : diagnosis.numbers) {
            EXPECT_NE(sentence.find(std::to_string(number)), std::string::npos)
                << c.label << ": " << sentence;
        }
        sentenceOfMistake.emplace(diagnosis.mistake, sentence);
    }
    std::set<std::string> different;
    for (const auto& [mistake, sentence] : sentenceOfMistake) {
        different.insert(sentence);
    }
    EXPECT_EQ(different.size(), sentenceOfMistake.size());
    // What the learner typed is quoted back.
    const Diagnosis letters = diagnose(booklet(Kind::Task), Answer::Phi, "22O");
    EXPECT_NE(sentenceOf(Answer::Phi, letters).find("\"22O\""), std::string::npos);
    // The decryption sentences name the block asked for.
    const Diagnosis m2 = diagnose(booklet(Kind::Attacker), Answer::M2, "2");
    EXPECT_NE(sentenceOf(Answer::M2, m2).find("m₂"), std::string::npos);
    EXPECT_NE(sentenceOf(Answer::M2, m2).find("c₂"), std::string::npos);
}

TEST(MistakeDiagnosis, TriesAreCountedRightAnswersStayAndRevealedAnswersAreNotRight) {
    const TaskCode code{Kind::Task, Level::Kolay, 12345};
    Exercise exercise(code);
    const Task& task = exercise.task();
    EXPECT_FALSE(exercise.check(Answer::N, s(task.p + task.q)).right());
    EXPECT_TRUE(exercise.check(Answer::N, s(task.n())).right());
    EXPECT_FALSE(exercise.check(Answer::N, "x").right());
    EXPECT_EQ(exercise.state(Answer::N), AnswerState::Right);
    EXPECT_TRUE(exercise.check(Answer::Phi, s(task.phi())).right());
    exercise.reveal();
    EXPECT_TRUE(exercise.check(Answer::D, s(task.d())).right());
    EXPECT_EQ(exercise.state(Answer::D), AnswerState::Revealed);
    const Score score = exercise.score();
    EXPECT_EQ(score.right, 2);
    EXPECT_EQ(score.of, 5);
    EXPECT_EQ(score.tries, 5);
    EXPECT_EQ(score.revealed, 3);
    EXPECT_FALSE(exercise.resultCode());
}

} // namespace
} // namespace rsa::exercise
