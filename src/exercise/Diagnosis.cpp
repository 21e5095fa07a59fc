#include "exercise/Diagnosis.h"

#include "AnswerNumber.h"
#include "Modular.h"
#include "explain/Arithmetic.h"
#include "explain/TaskExplanation.h"
#include "texts/ExerciseTexts.h"

#include <string>

namespace rsa::exercise {

namespace {

namespace texts = rsa::texts::exercise;
using std::int64_t;

Diagnosis found(Mistake mistake, std::vector<int64_t> numbers = {}) {
    return {mistake, std::move(numbers), {}};
}

// n and φ are products: a * b with the first factor a known to the learner.
Diagnosis product(const AnswerNumber& answer, int64_t a, int64_t b, Mistake notMultiple,
                  Mistake wrongQuotient) {
    const int64_t remainder = answer.residue(a);
    if (remainder != 0) {
        return found(notMultiple, {a, remainder});
    }
    const std::optional<int64_t> value = answer.value();
    if (!value) {
        return found(Mistake::TooLarge);
    }
    return found(wrongQuotient, {a, *value / a, b});
}

Diagnosis modulus(const Task& task, const AnswerNumber& answer) {
    const int64_t p = task.p, q = task.q;
    if (answer.is(p + q)) {
        return found(Mistake::NIsSum);
    }
    if (answer.is((p - 1) * (q - 1))) {
        return found(Mistake::NIsPhi);
    }
    return product(answer, p, q, Mistake::NNotMultiple, Mistake::NWrongQuotient);
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
    return product(answer, p - 1, q - 1, Mistake::PhiNotMultiple, Mistake::PhiWrongQuotient);
}

Diagnosis privateExponent(const Task& task, const AnswerNumber& answer) {
    const int64_t phi = task.phi();
    const int64_t reduced = answer.residue(phi);
    if (reduced == task.d()) {
        return found(answer.negative ? Mistake::DNegative : Mistake::DNotReduced, {phi});
    }
    const std::optional<int64_t> modN = inverse(task.e, task.n());
    if (modN && answer.is(*modN)) {
        return found(Mistake::DInverseModN);
    }
    if (answer.negative) {
        return found(Mistake::Negative);
    }
    return found(Mistake::DCheckFails, {task.e, phi, task.e * reduced % phi});
}

// A power mod n that is not the right one, but may be the right one unreduced.
std::optional<Diagnosis> beyondModulus(const Task& task, const AnswerNumber& answer,
                                       int64_t right) {
    if (!answer.atLeast(task.n())) {
        return std::nullopt;
    }
    return found(answer.residue(task.n()) == right ? Mistake::NotReduced : Mistake::NotBelowModulus,
                 {task.n()});
}

Diagnosis encryption(const Task& task, const AnswerNumber& answer) {
    const int64_t n = task.n();
    if (answer.negative) {
        return found(Mistake::Negative);
    }
    if (answer.is(task.m * task.e) || answer.is(task.m * task.e % n)) {
        return found(Mistake::EncryptMultiplied);
    }
    if (auto beyond = beyondModulus(task, answer, power(task.m, task.e, n))) {
        return *beyond;
    }
    if (answer.is(power(task.m, task.d(), n))) {
        return found(Mistake::EncryptUsedD);
    }
    return found(Mistake::EncryptCheckFails, {power(*answer.value(), task.d(), n), task.m});
}

Diagnosis decryption(const Task& task, const AnswerNumber& answer, int64_t cipher) {
    const int64_t n = task.n();
    if (answer.negative) {
        return found(Mistake::Negative);
    }
    if (auto beyond = beyondModulus(task, answer, power(cipher, task.d(), n))) {
        return *beyond;
    }
    if (answer.is(power(cipher, task.e, n))) {
        return found(Mistake::DecryptUsedE);
    }
    if (answer.is(power(cipher, task.d(), task.phi()))) {
        return found(Mistake::DecryptModPhi);
    }
    return found(Mistake::DecryptCheckFails, {power(*answer.value(), task.e, n), cipher});
}

Diagnosis factor(const Task& task, const AnswerNumber& answer, int64_t other, Mistake swapped) {
    const int64_t n = task.n();
    if (answer.negative) {
        return found(Mistake::Negative);
    }
    if (answer.is(0) || answer.is(1) || answer.is(n)) {
        return found(Mistake::FactorTrivial);
    }
    if (answer.is(other)) {
        return found(swapped);
    }
    const std::optional<int64_t> value = answer.value();
    return found(Mistake::FactorNotDividing, {n, value && *value < n ? n % *value : n});
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

} // namespace

Diagnosis diagnose(const Task& task, Answer answer, std::string_view text) {
    const AnswerNumber number = readAnswer(text);
    if (number.form == AnswerNumber::Empty) {
        return found(Mistake::Empty);
    }
    if (number.form == AnswerNumber::NotANumber) {
        return {Mistake::NotANumber, {}, std::string(text)};
    }
    if (number.is(rightAnswer(task, answer))) {
        return found(Mistake::None);
    }
    switch (answer) {
    case Answer::N:
        return number.negative ? found(Mistake::Negative) : modulus(task, number);
    case Answer::Phi:
        return number.negative ? found(Mistake::Negative) : totient(task, number);
    case Answer::D:
        return privateExponent(task, number);
    case Answer::C:
        return encryption(task, number);
    case Answer::P:
        return factor(task, number, task.q, Mistake::FactorLarger);
    case Answer::Q:
        return factor(task, number, task.p, Mistake::FactorSmaller);
    case Answer::R:
    case Answer::M1:
    case Answer::M2:
    case Answer::M3:
        break;
    }
    return decryption(task, number, cipherOf(task, answer));
}

std::string sentenceOf(Answer answer, const Diagnosis& diagnosis, explain::Translator translator) {
    const auto fill = [translator](const char* pattern,
                                   std::initializer_list<std::string> arguments) {
        return explain::fillText(translator, pattern, arguments);
    };
    std::vector<std::string> numbers;
    for (int64_t value : diagnosis.numbers) {
        numbers.push_back(explain::number(value));
    }
    numbers.resize(3);
    const std::string symbol = answerSymbol(answer);
    switch (diagnosis.mistake) {
    case Mistake::None:
        return {};
    case Mistake::Empty:
        return fill(texts::answerEmpty, {});
    case Mistake::NotANumber:
        return fill(texts::answerNotANumber, {diagnosis.typed});
    case Mistake::Negative:
        return fill(texts::answerNegative, {symbol});
    case Mistake::NIsSum:
        return fill(texts::nIsSum, {});
    case Mistake::NIsPhi:
        return fill(texts::nIsPhi, {});
    case Mistake::NNotMultiple:
        return fill(texts::nNotMultiple, {numbers[0], numbers[1]});
    case Mistake::NWrongQuotient:
        return fill(texts::nWrongQuotient, {numbers[0], numbers[1], numbers[2]});
    case Mistake::PhiIsN:
        return fill(texts::phiIsN, {});
    case Mistake::PhiIsNMinusOne:
        return fill(texts::phiIsNMinusOne, {});
    case Mistake::PhiIsSum:
        return fill(texts::phiIsSum, {});
    case Mistake::PhiMissingOne:
        return fill(texts::phiMissingOne, {});
    case Mistake::PhiNotMultiple:
        return fill(texts::phiNotMultiple, {numbers[0], numbers[1]});
    case Mistake::PhiWrongQuotient:
        return fill(texts::phiWrongQuotient, {numbers[0], numbers[1], numbers[2]});
    case Mistake::DNegative:
        return fill(texts::dNegative, {numbers[0]});
    case Mistake::DNotReduced:
        return fill(texts::dNotReduced, {numbers[0]});
    case Mistake::DInverseModN:
        return fill(texts::dInverseModN, {});
    case Mistake::DCheckFails:
        return fill(texts::dCheckFails, {numbers[0], numbers[1], numbers[2]});
    case Mistake::EncryptMultiplied:
        return fill(texts::encryptMultiplied, {});
    case Mistake::EncryptUsedD:
        return fill(texts::encryptUsedD, {});
    case Mistake::EncryptCheckFails:
        return fill(texts::encryptCheckFails, {numbers[0], numbers[1]});
    case Mistake::DecryptUsedE:
        return fill(texts::decryptUsedE, {symbol, cipherSymbol(answer)});
    case Mistake::DecryptModPhi:
        return fill(texts::decryptModPhi, {symbol, cipherSymbol(answer)});
    case Mistake::DecryptCheckFails:
        return fill(texts::decryptCheckFails,
                    {symbol, cipherSymbol(answer), numbers[0], numbers[1]});
    case Mistake::NotReduced:
        return fill(texts::notReduced, {symbol, numbers[0]});
    case Mistake::NotBelowModulus:
        return fill(texts::notBelowModulus, {symbol, numbers[0]});
    case Mistake::FactorTrivial:
        return fill(texts::factorTrivial, {});
    case Mistake::TooLarge:
        return fill(texts::tooLarge, {symbol});
    case Mistake::FactorNotDividing:
        return fill(texts::factorNotDividing, {numbers[0], numbers[1]});
    case Mistake::FactorLarger:
        return fill(texts::factorLarger, {});
    case Mistake::FactorSmaller:
        return fill(texts::factorSmaller, {});
    }
    return {};
}

std::string sentenceOf(const CodeProblem& problem, explain::Translator translator) {
    const auto fill = [translator](const char* pattern,
                                   std::initializer_list<std::string> arguments) {
        return explain::fillText(translator, pattern, arguments);
    };
    switch (problem.reason) {
    case CodeProblem::Empty:
        return fill(texts::codeEmpty, {});
    case CodeProblem::WrongLength:
        return fill(texts::codeLength, {std::to_string(problem.length)});
    case CodeProblem::ForeignCharacter:
        return fill(texts::codeCharacter, {problem.character, std::to_string(problem.position)});
    case CodeProblem::CheckFails:
        return fill(texts::codeCheck, {});
    case CodeProblem::UnknownKind:
        return fill(texts::codeKind, {});
    case CodeProblem::UnknownLevel:
        break;
    }
    return fill(texts::codeLevel, {});
}

} // namespace rsa::exercise
