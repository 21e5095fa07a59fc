#pragma once

// One learner's work on one task: each answer checked as often as wanted,
// every check counted as a try. A right answer stays right whatever is
// checked after it; "Çözümü göster" reveals every answer not yet right, and
// those count as revealed for that task code as long as the program runs,
// also when the code is opened again. A revealed answer may still be found
// right afterwards; the result code is given when every answer is right, and
// it is another code when any was revealed. The teacher's view is the task
// with all its answers and both result codes.

#include "exercise/Diagnosis.h"
#include "exercise/Task.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace rsa::exercise {

// Revealed: shown, and not found right since.
enum class AnswerState { Open, Right, Revealed };

struct Score {
    int right = 0;
    int of = 0;
    int tries = 0;
    int revealed = 0;
};

class Exercise {
public:
    explicit Exercise(const TaskCode& code);

    const Task& task() const { return m_task; }
    const std::vector<Answer>& answers() const { return answersOf(m_task.code.kind); }

    // Checks text as the answer and counts the try; thousands as diagnose().
    Diagnosis check(Answer answer, std::string_view text, std::string_view thousands = ".");
    // Reveals every answer not yet right, for this code from now on.
    void reveal();

    AnswerState state(Answer answer) const { return m_states.at(answer); }
    Score score() const;
    // Set when every answer is right.
    std::optional<std::string> resultCode() const;

private:
    Task m_task;
    std::map<Answer, AnswerState> m_states;
    std::set<Answer> m_revealed;
    int m_tries = 0;
};

// The answers of every box, and φ for the attacker's task too.
struct TeacherView {
    Task task;
    std::vector<std::pair<Answer, std::int64_t>> answers;
    std::string resultCode;
    std::string resultAfterReveal;
};
TeacherView teacherView(const TaskCode& code);

} // namespace rsa::exercise
