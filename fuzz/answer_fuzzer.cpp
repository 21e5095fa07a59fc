// A typed answer: what readAnswer reads as a number has digits only, no
// leading zero and no negative zero; it reads back the same from its own
// text; and its remainder mod a modulus is that of its value whenever the
// value fits in 64 bits.

#include "AnswerNumber.h"
#include "Report.h"

#include <cstdint>
#include <string>

using namespace rsa::exercise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    // Read as the Turkish window reads it, digit groups and all.
    const AnswerNumber answer = readAnswer(typed, ".");
    if (answer.form != AnswerNumber::Number) {
        return 0;
    }
    const std::string& digits = answer.digits;
    rsa::fuzz::require(
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
            (digits == "0" || digits.front() != '0') && !(answer.negative && digits == "0"),
        "digits only, without a leading zero or a negative zero", typed);
    const AnswerNumber again = readAnswer((answer.negative ? "-" : "") + digits, ".");
    rsa::fuzz::require(again.form == AnswerNumber::Number && again.negative == answer.negative &&
                           again.digits == digits,
                       "the number's own text reads back as the number", typed);
    if (const auto value = answer.value()) {
        for (const std::int64_t modulus :
             {std::int64_t{2}, std::int64_t{3233}, std::int64_t{2147483647}}) {
            rsa::fuzz::require(answer.residue(modulus) == ((*value % modulus) + modulus) % modulus,
                               "the remainder is the value's", typed);
        }
    }
    return 0;
}
