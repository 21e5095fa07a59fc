#include "AnswerNumber.h"

#include <limits>

namespace rsa::exercise {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::optional<std::int64_t> AnswerNumber::value() const {
    if (form != Number || digits.size() > 18) {
        return std::nullopt;
    }
    const std::int64_t magnitude = std::stoll(digits);
    return negative ? -magnitude : magnitude;
}

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

AnswerNumber readAnswer(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    AnswerNumber answer;
    if (text.empty()) {
        return answer;
    }
    answer.form = AnswerNumber::NotANumber;
    static constexpr std::string_view minus = "−";
    if (text.substr(0, minus.size()) == minus) {
        answer.negative = true;
        text.remove_prefix(minus.size());
    } else if (text.front() == '-' || text.front() == '+') {
        answer.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return answer;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return answer;
        }
    }
    const std::size_t first = text.find_first_not_of('0');
    answer.digits = first == std::string_view::npos ? "0" : std::string(text.substr(first));
    answer.negative = answer.negative && answer.digits != "0";
    answer.form = AnswerNumber::Number;
    return answer;
}

} // namespace rsa::exercise
