#pragma once

// What is wrong with an answer, as data: the likely mistake and the numbers
// its sentence needs. The answer is compared with the usual errors of the
// method (n as p + q, φ as n − 1, d before reducing mod φ, c as m · e, r with
// e instead of d, ...); an answer that matches none is told which check fails
// (e · d mod φ, cᵈ mod n, a divisor), never the right answer. The sentences
// are in texts/ExerciseTexts.h; sentenceOf() fills them in, in the language of
// the translator a window hands in, as the explanation does.

#include "exercise/Task.h"
#include "explain/Explanation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rsa::exercise {

enum class Mistake {
    None, // the answer is right
    Empty,
    NotANumber,
    Negative,
    NIsSum,         // p + q
    NIsPhi,         // (p − 1)(q − 1)
    NNotMultiple,   // {p, remainder}
    NWrongQuotient, // {p, quotient, q}
    PhiIsN,
    PhiIsNMinusOne,    // n − 1, that is p · q − 1
    PhiIsSum,          // (p − 1) + (q − 1)
    PhiMissingOne,     // p · q − p − q
    PhiNotMultiple,    // {p − 1, remainder}
    PhiWrongQuotient,  // {p − 1, quotient, q − 1}
    DNegative,         // the Euclid coefficient t below 0: {φ}
    DNotReduced,       // t above φ: {φ}
    DInverseModN,      // e⁻¹ mod n instead of mod φ
    DCheckFails,       // {e, φ, e · d mod φ}
    EncryptMultiplied, // m · e mod n, or m · e
    EncryptUsedD,      // mᵈ mod n
    EncryptCheckFails, // {cᵈ mod n, m}
    DecryptUsedE,      // cᵉ mod n
    DecryptModPhi,     // cᵈ mod φ
    DecryptCheckFails, // {answerᵉ mod n, the cipher block}
    NotReduced,        // the right power, not reduced mod n: {n}
    NotBelowModulus,   // {n}
    FactorTrivial,     // 0, 1 or n
    TooLarge,          // beyond any n or φ of a task
    FactorNotDividing, // {n, remainder}
    FactorLarger,      // q given as p
    FactorSmaller,     // p given as q
};

struct Diagnosis {
    Mistake mistake = Mistake::None;
    std::vector<std::int64_t> numbers;
    std::string typed; // the text, for NotANumber

    bool right() const { return mistake == Mistake::None; }
};

// Checks text as the answer asked for. Blanks around the number are allowed;
// a number of any length is read exactly.
Diagnosis diagnose(const Task& task, Answer answer, std::string_view text);

// The sentence the window shows for a wrong answer, in the language of the
// translator (Turkish without one); empty for a right one.
std::string sentenceOf(Answer answer, const Diagnosis& diagnosis,
                       explain::Translator translator = nullptr);
// The sentence for a refused task code.
std::string sentenceOf(const CodeProblem& problem, explain::Translator translator = nullptr);

} // namespace rsa::exercise
