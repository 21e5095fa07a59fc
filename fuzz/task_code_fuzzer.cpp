// A task code as a learner types it: what readTaskCode accepts has a serial
// below serialCount and its own text reads back as the same task; that text
// with any one character changed to another of the alphabet is refused,
// as the check character promises.

#include "Report.h"
#include "exercise/TaskCode.h"

#include <cstdint>
#include <string>
#include <variant>

using namespace rsa::exercise;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const auto read = readTaskCode(typed);
    const auto* code = std::get_if<TaskCode>(&read);
    if (code == nullptr) {
        return 0;
    }
    rsa::fuzz::require(code->serial < serialCount, "a serial lies below serialCount", typed);
    const std::string text = code->text();
    const auto again = readTaskCode(text);
    rsa::fuzz::require(std::holds_alternative<TaskCode>(again) &&
                           std::get<TaskCode>(again) == *code,
                       "a code's text reads back as the code", typed);
    // Which character changes, and to what, follows from the input.
    const std::size_t position = size % text.size();
    std::string changed = text;
    changed[position] = alphabet[(alphabet.find(text[position]) + 1 + size % 30) % alphabet.size()];
    rsa::fuzz::require(std::holds_alternative<CodeProblem>(readTaskCode(changed)),
                       "one changed character is refused", typed);
    return 0;
}
