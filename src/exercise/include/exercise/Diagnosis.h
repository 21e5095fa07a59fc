#pragma once

// What is wrong with an answer, as data: the likely mistake and what its
// sentence names. The answer is compared with the usual errors of the method
// (n as p + q, φ as n − 1, d before reducing mod φ, c as m · e, r with e
// instead of d, ...); an answer that matches none is told which check fails
// (e · d mod φ, cᵈ mod n, a divisor) and never shows a number that is an
// answer of the task. An attack's task brings its own usual mistakes and
// checks (AttackTask.h). A wrong answer
// is a refusal like any other (texts/Wording.h): its sentence is in
// texts/ExerciseTexts.h, worded in the language of the translator a window
// hands in.

#include "exercise/Task.h"
#include "texts/Wording.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rsa::exercise {

// Each mistake, then after "names:" what its sentence names; "symbol" is the
// answer's (n, φ, r, m₁), "cipher" the symbol of the block it decrypts (c′, c₁).
enum class Mistake {
    None, // the answer is right
    Empty,
    NotANumber,     // names: the text as typed
    NotWhole,       // a decimal fraction; names: the text as typed
    Negative,       // names: symbol
    NIsSum,         // p + q
    NIsPhi,         // (p − 1)(q − 1)
    NNotMultiple,   // names: p, remainder
    NWrongQuotient, // names: p, quotient, q
    PhiIsN,
    PhiIsNMinusOne,    // n − 1, that is p · q − 1
    PhiIsSum,          // (p − 1) + (q − 1)
    PhiMissingOne,     // p · q − p − q
    PhiNotMultiple,    // names: p − 1, remainder
    PhiWrongQuotient,  // names: p − 1, quotient, q − 1
    DNegative,         // the Euclid coefficient t below 0; names: φ
    DNotReduced,       // t above φ; names: φ
    DInverseModN,      // e⁻¹ mod n instead of mod φ
    DCheckFails,       // names: e, φ, e · d mod φ
    EncryptMultiplied, // m · e mod n, or m · e
    EncryptUsedD,      // mᵈ mod n
    EncryptCheckFails, // names: cᵈ mod n, m
    DecryptUsedE,      // cᵉ mod n; names: symbol, cipher
    DecryptModPhi,     // cᵈ mod φ; names: symbol, cipher
    DecryptCheckFails, // names: symbol, cipher, answerᵉ mod n, the cipher block
    NotReduced,        // the right power, not reduced mod n; names: symbol, n
    NotBelowModulus,   // names: symbol, n
    FactorTrivial,     // 0, 1 or n
    TooLarge,          // beyond any n or φ of a task, or past the size limit; names: symbol
    FactorNotDividing, // names: n, remainder
    FactorLarger,      // q given as p
    FactorSmaller,     // p given as q
    CheckFailsQuiet,   // a check whose number would be an answer; names: symbol, the check
    // An attack's answers. A check names: symbol, what it computes, the
    // number, and what it should be.
    AttackCheckFails,
    NotSquare,             // names: symbol, what it computes, the number
    FermatFloorRoot,       // ⌊√n⌋ for a
    FermatBSquared,        // a² − n, the square of b
    FermatForgotB,         // a for p or q
    FermatBelowRoot,       // a² < n
    FermatNotFirst,        // a square a² − n, but not the first (a = (n + 1) / 2)
    SharedNoPrime,         // 1, the gcd of a pair that shares nothing
    SharedOnlyOne,         // a prime of one key only
    SharedIsModulus,       // a modulus itself
    SharedIsG,             // the shared prime for a or b
    SharedSwapped,         // a for b, b for a
    SharedNotCommon,       // divides no two moduli
    SmallEDivided,         // c / 3 for the cube root
    SmallESquareRoot,      // ⌊√c⌋ for the cube root
    CommonOtherPair,       // the other Bezout pair's x or y
    CommonYSign,           // y with its sign turned
    CommonInvNegated,      // n − c₂ for c₂⁻¹
    CommonNoInverse,       // c₁ˣ · c₂^|y| mod n, the negative power without the inverse
    WienerSwapped,         // d for k, k for d: the convergent of n/e
    WienerPhiNotDivided,   // e · d − 1
    WienerNotConvergent,   // names: symbol
    WienerWrongConvergent, // a convergent that gives no factors
    HastadNoInverse,       // Σ cᵢ · Nᵢ mod N, the terms without their inverses
    HastadRootOfC,         // ⌊∛cᵢ⌋ for m
    HastadBelowProduct,    // every residue right, but not below N; names: N
};

// The mistakes of an answer that give one number each, with that number (n
// as p + q, r with e instead of d, ...): the numbers diagnose() names at once.
std::vector<std::pair<Mistake, std::int64_t>> usualMistakes(const Task& task, Answer answer);

// Whether a usual mistake would be graded right: its number is the answer of
// its own box, or of another power's box it could be typed into (c, r, m₁,
// m₂, m₃). The generator draws no such task.
bool gradesAMistakeRight(const Task& task);

// The sentence of each mistake, in texts/ExerciseTexts.h; none for None.
const char* ruleSentence(Mistake mistake);

struct Diagnosis : texts::Refusal<Mistake> {
    bool right() const { return rule == Mistake::None; }
};

// Checks text as the answer asked for, read as reading/WholeNumber.h reads a
// whole number: up to its size limit, exactly, its digits maybe grouped by
// thousands, the separator of the window's language ("." in Turkish).
Diagnosis diagnose(const Task& task, Answer answer, std::string_view text,
                   std::string_view thousands = ".");

// The sentence the window shows under a checked answer, in the translator's
// language (Turkish for nullptr, never by default: a window that forgot its
// language would speak Turkish to an English class); empty for a right one.
std::string sentenceOf(const Diagnosis& diagnosis, texts::Translator translator);

} // namespace rsa::exercise
