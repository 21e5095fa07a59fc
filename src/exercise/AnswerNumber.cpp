#include "AnswerNumber.h"

namespace rsa::exercise {

std::int64_t AnswerNumber::residue(std::int64_t modulus) const {
    std::int64_t remainder = 0;
    for (char digit : digits) {
        remainder = (remainder * 10 + (digit - '0')) % modulus;
    }
    return negative && remainder != 0 ? modulus - remainder : remainder;
}

bool AnswerNumber::atLeast(std::int64_t bound) const {
    if (negative) {
        return bound <= 0 && digits == "0";
    }
    const std::optional<std::int64_t> fits = value();
    return !fits || *fits >= bound;
}

AnswerNumber readAnswer(std::string_view text, std::string_view thousands) {
    using reading::NumberProblem;
    const auto read = reading::readWholeNumber(text, reading::Sign::Allowed, thousands);
    AnswerNumber answer;
    if (const auto* number = std::get_if<reading::WholeNumber>(&read)) {
        static_cast<reading::WholeNumber&>(answer) = *number;
        answer.form = AnswerNumber::Number;
        return answer;
    }
    const NumberProblem problem = std::get<NumberProblem>(read);
    answer.form = problem == NumberProblem::Empty      ? AnswerNumber::Empty
                  : problem == NumberProblem::TooLong  ? AnswerNumber::TooLong
                  : problem == NumberProblem::Fraction ? AnswerNumber::Fraction
                                                       : AnswerNumber::NotANumber;
    return answer;
}

} // namespace rsa::exercise
