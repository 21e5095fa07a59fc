#include "exercise/Diagnosis.h"

#include "AnswerNumber.h"
#include "AttackTask.h"
#include "Modular.h"
#include "explain/Arithmetic.h"
#include "texts/ExerciseTexts.h"
#include "texts/Wording.h"

#include <string>

namespace rsa::exercise {

namespace texts = rsa::texts::exercise;
using std::int64_t;

std::string shown(int64_t value) {
    return explain::number(value);
}

Diagnosis found(Mistake mistake, std::vector<std::string> numbers) {
    return {{mistake, std::move(numbers)}};
}

Diagnosis checkFails(const Task& task, Answer asked, int64_t computed, Mistake mistake,
                     std::vector<std::string> numbers, const std::string& check) {
    for (Answer answer : answersOf(task.code.kind)) {
        if (rightAnswer(task, answer) == computed) {
            return found(Mistake::CheckFailsQuiet, {answerSymbol(asked), check});
        }
    }
    return found(mistake, std::move(numbers));
}

Diagnosis checkShows(const Task& task, Answer asked, const std::string& check, int64_t computed,
                     const std::string& expected) {
    return checkFails(task, asked, computed, Mistake::AttackCheckFails,
                      {answerSymbol(asked), check, shown(computed), expected},
                      check + " = " + expected);
}

Diagnosis factorCheck(const Task& task, Answer asked, const AnswerNumber& answer, int64_t n) {
    const std::optional<int64_t> value = answer.value();
    const int64_t remainder = value && *value < n ? n % *value : n;
    return checkFails(task, asked, remainder, Mistake::FactorNotDividing,
                      {shown(n), shown(remainder)},
                      std::string("n mod ") + answerSymbol(asked) + " = 0");
}

Mistakes factorMistakes(Answer asked, int64_t p, int64_t q) {
    return {{Mistake::FactorTrivial, 0},
            {Mistake::FactorTrivial, 1},
            {Mistake::FactorTrivial, p * q},
            asked == Answer::P ? std::pair{Mistake::FactorLarger, q}
                               : std::pair{Mistake::FactorSmaller, p}};
}

namespace {

// n and φ are products: a * b with the first factor a known to the learner.
Diagnosis product(const AnswerNumber& answer, Answer asked, int64_t a, int64_t b,
                  Mistake notMultiple, Mistake wrongQuotient) {
    const int64_t remainder = answer.residue(a);
    if (remainder != 0) {
        return found(notMultiple, {shown(a), shown(remainder)});
    }
    const std::optional<int64_t> value = answer.value();
    if (!value) {
        return found(Mistake::TooLarge, {answerSymbol(asked)});
    }
    return found(wrongQuotient, {shown(a), shown(*value / a), shown(b)});
}

bool isPower(Answer answer) {
    return answer == Answer::C || answer == Answer::R ||
           (answer >= Answer::M1 && answer <= Answer::M3);
}

std::int64_t cipherOf(const Task& task, Answer answer) {
    return answer == Answer::R ? task.cPrime
                               : task.blocks[static_cast<std::size_t>(
                                     static_cast<int>(answer) - static_cast<int>(Answer::M1))];
}

Diagnosis privateExponent(const Task& task, const AnswerNumber& answer) {
    const int64_t phi = task.phi();
    const int64_t product = task.e * answer.residue(phi) % phi;
    return checkFails(task, Answer::D, product, Mistake::DCheckFails,
                      {shown(task.e), shown(phi), shown(product)}, "e · d mod φ = 1");
}

// A power mod n that is not the right one, but may be the right one unreduced.
std::optional<Diagnosis> beyondModulus(const Task& task, const AnswerNumber& answer, Answer asked,
                                       int64_t right) {
    if (!answer.atLeast(task.n())) {
        return std::nullopt;
    }
    return found(answer.residue(task.n()) == right ? Mistake::NotReduced : Mistake::NotBelowModulus,
                 {answerSymbol(asked), shown(task.n())});
}

Diagnosis encryption(const Task& task, const AnswerNumber& answer) {
    if (auto beyond = beyondModulus(task, answer, Answer::C, rightAnswer(task, Answer::C))) {
        return *beyond;
    }
    const int64_t check = power(*answer.value(), task.d(), task.n());
    return checkFails(task, Answer::C, check, Mistake::EncryptCheckFails,
                      {shown(check), shown(task.m)}, "cᵈ mod n = m");
}

Diagnosis decryption(const Task& task, const AnswerNumber& answer, Answer asked) {
    const int64_t cipher = cipherOf(task, asked);
    const std::string symbol = answerSymbol(asked);
    if (auto beyond = beyondModulus(task, answer, asked, rightAnswer(task, asked))) {
        return *beyond;
    }
    const int64_t check = power(*answer.value(), task.e, task.n());
    return checkFails(task, asked, check, Mistake::DecryptCheckFails,
                      {symbol, baseSymbol(asked), shown(check), shown(cipher)},
                      symbol + "ᵉ mod n = " + baseSymbol(asked));
}

// What the sentence of a usual mistake names.
std::vector<std::string> namesOf(Mistake mistake, Answer asked) {
    if (mistake == Mistake::DecryptUsedE || mistake == Mistake::DecryptModPhi) {
        return {answerSymbol(asked), baseSymbol(asked)};
    }
    return {};
}

} // namespace

const char* ruleSentence(Mistake mistake) {
    switch (mistake) {
    case Mistake::None:
        break;
    case Mistake::Empty:
        return texts::answerEmpty;
    case Mistake::NotANumber:
        return texts::answerNotANumber;
    case Mistake::NotWhole:
        return texts::answerNotWhole;
    case Mistake::Negative:
        return texts::answerNegative;
    case Mistake::NIsSum:
        return texts::nIsSum;
    case Mistake::NIsPhi:
        return texts::nIsPhi;
    case Mistake::NNotMultiple:
        return texts::nNotMultiple;
    case Mistake::NWrongQuotient:
        return texts::nWrongQuotient;
    case Mistake::PhiIsN:
        return texts::phiIsN;
    case Mistake::PhiIsNMinusOne:
        return texts::phiIsNMinusOne;
    case Mistake::PhiIsSum:
        return texts::phiIsSum;
    case Mistake::PhiMissingOne:
        return texts::phiMissingOne;
    case Mistake::PhiNotMultiple:
        return texts::phiNotMultiple;
    case Mistake::PhiWrongQuotient:
        return texts::phiWrongQuotient;
    case Mistake::DNegative:
        return texts::dNegative;
    case Mistake::DNotReduced:
        return texts::dNotReduced;
    case Mistake::DInverseModN:
        return texts::dInverseModN;
    case Mistake::DCheckFails:
        return texts::dCheckFails;
    case Mistake::EncryptMultiplied:
        return texts::encryptMultiplied;
    case Mistake::EncryptUsedD:
        return texts::encryptUsedD;
    case Mistake::EncryptCheckFails:
        return texts::encryptCheckFails;
    case Mistake::DecryptUsedE:
        return texts::decryptUsedE;
    case Mistake::DecryptModPhi:
        return texts::decryptModPhi;
    case Mistake::DecryptCheckFails:
        return texts::decryptCheckFails;
    case Mistake::NotReduced:
        return texts::notReduced;
    case Mistake::NotBelowModulus:
        return texts::notBelowModulus;
    case Mistake::FactorTrivial:
        return texts::factorTrivial;
    case Mistake::TooLarge:
        return texts::tooLarge;
    case Mistake::FactorNotDividing:
        return texts::factorNotDividing;
    case Mistake::FactorLarger:
        return texts::factorLarger;
    case Mistake::FactorSmaller:
        return texts::factorSmaller;
    case Mistake::CheckFailsQuiet:
        return texts::checkFailsQuiet;
    case Mistake::AttackCheckFails:
        return texts::attackCheckFails;
    case Mistake::NotSquare:
        return texts::notSquare;
    case Mistake::FermatFloorRoot:
        return texts::fermatFloorRoot;
    case Mistake::FermatBSquared:
        return texts::fermatBSquared;
    case Mistake::FermatForgotB:
        return texts::fermatForgotB;
    case Mistake::FermatBelowRoot:
        return texts::fermatBelowRoot;
    case Mistake::FermatNotFirst:
        return texts::fermatNotFirst;
    case Mistake::SharedNoPrime:
        return texts::sharedNoPrime;
    case Mistake::SharedOnlyOne:
        return texts::sharedOnlyOne;
    case Mistake::SharedIsModulus:
        return texts::sharedIsModulus;
    case Mistake::SharedIsG:
        return texts::sharedIsG;
    case Mistake::SharedSwapped:
        return texts::sharedSwapped;
    case Mistake::SharedNotCommon:
        return texts::sharedNotCommon;
    case Mistake::SmallEDivided:
        return texts::smallEDivided;
    case Mistake::SmallESquareRoot:
        return texts::smallESquareRoot;
    case Mistake::CommonOtherPair:
        return texts::commonOtherPair;
    case Mistake::CommonYSign:
        return texts::commonYSign;
    case Mistake::CommonInvNegated:
        return texts::commonInverseNegated;
    case Mistake::CommonNoInverse:
        return texts::commonNoInverse;
    case Mistake::WienerSwapped:
        return texts::wienerSwapped;
    case Mistake::WienerPhiNotDivided:
        return texts::wienerPhiNotDivided;
    case Mistake::WienerNotConvergent:
        return texts::wienerNotConvergent;
    case Mistake::WienerWrongConvergent:
        return texts::wienerWrongConvergent;
    case Mistake::HastadNoInverse:
        return texts::hastadNoInverse;
    case Mistake::HastadRootOfC:
        return texts::hastadRootOfC;
    case Mistake::HastadBelowProduct:
        return texts::hastadBelowProduct;
    }
    return nullptr;
}

const char* ruleSentence(CodeRule rule) {
    switch (rule) {
    case CodeRule::Empty:
        return texts::codeEmpty;
    case CodeRule::WrongLength:
        return texts::codeLength;
    case CodeRule::ForeignCharacter:
        return texts::codeCharacter;
    case CodeRule::CheckFails:
        return texts::codeCheck;
    case CodeRule::UnknownKind:
        return texts::codeKind;
    case CodeRule::UnknownLevel:
        break;
    }
    return texts::codeLevel;
}

Diagnosis diagnose(const Task& task, Answer answer, std::string_view text,
                   std::string_view thousands) {
    const AnswerNumber number = readAnswer(text, thousands);
    if (number.form == AnswerNumber::Empty) {
        return found(Mistake::Empty);
    }
    if (number.form == AnswerNumber::NotANumber || number.form == AnswerNumber::Fraction) {
        return found(number.form == AnswerNumber::Fraction ? Mistake::NotWhole
                                                           : Mistake::NotANumber,
                     {std::string(text)});
    }
    if (number.form == AnswerNumber::TooLong) {
        return found(Mistake::TooLarge, {answerSymbol(answer)});
    }
    const int64_t right = rightAnswer(task, answer);
    if (number.is(right)) {
        return found(Mistake::None);
    }
    const AttackTask* attack = attackTask(task.code.kind);
    if (!attack && answer == Answer::D && number.residue(task.phi()) == task.d()) {
        return found(number.negative ? Mistake::DNegative : Mistake::DNotReduced,
                     {shown(task.phi())});
    }
    for (const auto& [mistake, value] : usualMistakes(task, answer)) {
        if (number.is(value)) {
            return found(mistake, namesOf(mistake, answer));
        }
    }
    if (number.negative && right >= 0) {
        return found(Mistake::Negative, {answerSymbol(answer)});
    }
    if (attack) {
        return attack->check(task, answer, number);
    }
    switch (answer) {
    case Answer::N:
        return product(number, answer, task.p, task.q, Mistake::NNotMultiple,
                       Mistake::NWrongQuotient);
    case Answer::Phi:
        return product(number, answer, task.p - 1, task.q - 1, Mistake::PhiNotMultiple,
                       Mistake::PhiWrongQuotient);
    case Answer::D:
        return privateExponent(task, number);
    case Answer::C:
        return encryption(task, number);
    case Answer::P:
    case Answer::Q:
        return factorCheck(task, answer, number, task.n());
    default:
        break;
    }
    return decryption(task, number, answer);
}

std::vector<std::pair<Mistake, int64_t>> usualMistakes(const Task& task, Answer answer) {
    if (const AttackTask* attack = attackTask(task.code.kind)) {
        return attack->mistakes(task, answer);
    }
    const int64_t p = task.p, q = task.q, n = task.n(), e = task.e;
    switch (answer) {
    case Answer::N:
        return {{Mistake::NIsSum, p + q}, {Mistake::NIsPhi, task.phi()}};
    case Answer::Phi:
        return {{Mistake::PhiIsN, n},
                {Mistake::PhiIsNMinusOne, n - 1},
                {Mistake::PhiIsSum, p + q - 2},
                {Mistake::PhiMissingOne, n - p - q}};
    case Answer::D:
        if (const std::optional<int64_t> modN = inverse(e, n)) {
            return {{Mistake::DInverseModN, *modN}};
        }
        return {};
    case Answer::C:
        return {{Mistake::EncryptMultiplied, task.m * e},
                {Mistake::EncryptMultiplied, task.m * e % n},
                {Mistake::EncryptUsedD, power(task.m, task.d(), n)}};
    case Answer::P:
    case Answer::Q:
        return factorMistakes(answer, p, q);
    default:
        break;
    }
    const int64_t cipher = cipherOf(task, answer);
    return {{Mistake::DecryptUsedE, power(cipher, e, n)},
            {Mistake::DecryptModPhi, power(cipher, task.d(), task.phi())}};
}

bool gradesAMistakeRight(const Task& task) {
    const std::vector<Answer>& answers = answersOf(task.code.kind);
    for (Answer answer : answers) {
        for (const auto& [mistake, value] : usualMistakes(task, answer)) {
            for (Answer into : answers) {
                const bool typable = into == answer || (isPower(into) && isPower(answer));
                if (typable && value == rightAnswer(task, into)) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::string sentenceOf(const Diagnosis& diagnosis, rsa::texts::Translator translator) {
    return diagnosis.right() ? std::string() : rsa::texts::word(diagnosis, translator);
}

} // namespace rsa::exercise
