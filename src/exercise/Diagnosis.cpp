#include "exercise/Diagnosis.h"

#include "AnswerNumber.h"
#include "Modular.h"
#include "explain/Arithmetic.h"
#include "texts/ExerciseTexts.h"
#include "texts/Wording.h"

#include <string>

namespace rsa::exercise {

namespace {

namespace texts = rsa::texts::exercise;
using std::int64_t;

std::string shown(int64_t value) {
    return explain::number(value);
}

Diagnosis found(Mistake mistake, std::vector<std::string> numbers = {}) {
    return {{mistake, std::move(numbers)}};
}

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

Diagnosis modulus(const Task& task, const AnswerNumber& answer) {
    const int64_t p = task.p, q = task.q;
    if (answer.is(p + q)) {
        return found(Mistake::NIsSum);
    }
    if (answer.is((p - 1) * (q - 1))) {
        return found(Mistake::NIsPhi);
    }
    return product(answer, Answer::N, p, q, Mistake::NNotMultiple, Mistake::NWrongQuotient);
}

Diagnosis totient(const Task& task, const AnswerNumber& answer) {
    const int64_t p = task.p, q = task.q;
    const std::pair<int64_t, Mistake> usual[] = {
        {p * q, Mistake::PhiIsN},
        {p * q - 1, Mistake::PhiIsNMinusOne},
        {(p - 1) + (q - 1), Mistake::PhiIsSum},
        {p * q - p - q, Mistake::PhiMissingOne},
    };
    for (const auto& [value, mistake] : usual) {
        if (answer.is(value)) {
            return found(mistake);
        }
    }
    return product(answer, Answer::Phi, p - 1, q - 1, Mistake::PhiNotMultiple,
                   Mistake::PhiWrongQuotient);
}

Diagnosis privateExponent(const Task& task, const AnswerNumber& answer) {
    const int64_t phi = task.phi();
    const int64_t reduced = answer.residue(phi);
    if (reduced == task.d()) {
        return found(answer.negative ? Mistake::DNegative : Mistake::DNotReduced, {shown(phi)});
    }
    const std::optional<int64_t> modN = inverse(task.e, task.n());
    if (modN && answer.is(*modN)) {
        return found(Mistake::DInverseModN);
    }
    if (answer.negative) {
        return found(Mistake::Negative, {answerSymbol(Answer::D)});
    }
    return found(Mistake::DCheckFails, {shown(task.e), shown(phi), shown(task.e * reduced % phi)});
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
    const int64_t n = task.n();
    if (answer.negative) {
        return found(Mistake::Negative, {answerSymbol(Answer::C)});
    }
    if (answer.is(task.m * task.e) || answer.is(task.m * task.e % n)) {
        return found(Mistake::EncryptMultiplied);
    }
    if (auto beyond = beyondModulus(task, answer, Answer::C, power(task.m, task.e, n))) {
        return *beyond;
    }
    if (answer.is(power(task.m, task.d(), n))) {
        return found(Mistake::EncryptUsedD);
    }
    return found(Mistake::EncryptCheckFails,
                 {shown(power(*answer.value(), task.d(), n)), shown(task.m)});
}

std::int64_t cipherOf(const Task& task, Answer answer) {
    return answer == Answer::R ? task.cPrime
                               : task.blocks[static_cast<std::size_t>(
                                     static_cast<int>(answer) - static_cast<int>(Answer::M1))];
}

const char* cipherSymbol(Answer answer) {
    static const char* const symbols[] = {"c₁", "c₂", "c₃"};
    return answer == Answer::R ? "c′"
                               : symbols[static_cast<int>(answer) - static_cast<int>(Answer::M1)];
}

Diagnosis decryption(const Task& task, const AnswerNumber& answer, Answer asked) {
    const int64_t n = task.n();
    const int64_t cipher = cipherOf(task, asked);
    const std::string symbol = answerSymbol(asked);
    if (answer.negative) {
        return found(Mistake::Negative, {symbol});
    }
    if (auto beyond = beyondModulus(task, answer, asked, power(cipher, task.d(), n))) {
        return *beyond;
    }
    if (answer.is(power(cipher, task.e, n))) {
        return found(Mistake::DecryptUsedE, {symbol, cipherSymbol(asked)});
    }
    if (answer.is(power(cipher, task.d(), task.phi()))) {
        return found(Mistake::DecryptModPhi, {symbol, cipherSymbol(asked)});
    }
    return found(
        Mistake::DecryptCheckFails,
        {symbol, cipherSymbol(asked), shown(power(*answer.value(), task.e, n)), shown(cipher)});
}

Diagnosis factor(const Task& task, const AnswerNumber& answer, Answer asked, int64_t other,
                 Mistake swapped) {
    const int64_t n = task.n();
    if (answer.negative) {
        return found(Mistake::Negative, {answerSymbol(asked)});
    }
    if (answer.is(0) || answer.is(1) || answer.is(n)) {
        return found(Mistake::FactorTrivial);
    }
    if (answer.is(other)) {
        return found(swapped);
    }
    const std::optional<int64_t> value = answer.value();
    return found(Mistake::FactorNotDividing,
                 {shown(n), shown(value && *value < n ? n % *value : n)});
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

Diagnosis diagnose(const Task& task, Answer answer, std::string_view text) {
    const AnswerNumber number = readAnswer(text);
    if (number.form == AnswerNumber::Empty) {
        return found(Mistake::Empty);
    }
    if (number.form == AnswerNumber::NotANumber) {
        return found(Mistake::NotANumber, {std::string(text)});
    }
    if (number.form == AnswerNumber::TooLong) {
        return found(Mistake::TooLarge, {answerSymbol(answer)});
    }
    if (number.is(rightAnswer(task, answer))) {
        return found(Mistake::None);
    }
    switch (answer) {
    case Answer::N:
    case Answer::Phi:
        if (number.negative) {
            return found(Mistake::Negative, {answerSymbol(answer)});
        }
        return answer == Answer::N ? modulus(task, number) : totient(task, number);
    case Answer::D:
        return privateExponent(task, number);
    case Answer::C:
        return encryption(task, number);
    case Answer::P:
        return factor(task, number, answer, task.q, Mistake::FactorLarger);
    case Answer::Q:
        return factor(task, number, answer, task.p, Mistake::FactorSmaller);
    case Answer::R:
    case Answer::M1:
    case Answer::M2:
    case Answer::M3:
        break;
    }
    return decryption(task, number, answer);
}

std::string sentenceOf(const Diagnosis& diagnosis, rsa::texts::Translator translator) {
    return diagnosis.right() ? std::string() : rsa::texts::word(diagnosis, translator);
}

} // namespace rsa::exercise
