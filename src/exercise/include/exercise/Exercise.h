#pragma once

// One learner's work on one task: each answer checked as often as wanted,
// every check counted as a try. A right answer stays right whatever is
// checked after it; "Çözümü göster" reveals every answer not yet right, and
// those count as revealed, never as right. The result code is given only
// when every answer was found right. The teacher's view is the task with all
// its answers and that result code.

#include "exercise/Diagnosis.h"
#include "exercise/Task.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rsa::exercise {

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

    // Checks text as the answer and counts the try.
    Diagnosis check(Answer answer, std::string_view text);
    // Reveals every answer not yet right.
    void reveal();

    AnswerState state(Answer answer) const { return m_states.at(answer); }
    Score score() const;
    // Set when every answer is right.
    std::optional<std::string> resultCode() const;

private:
    Task m_task;
    std::map<Answer, AnswerState> m_states;
    int m_tries = 0;
};

struct TeacherView {
    Task task;
    std::vector<std::pair<Answer, std::int64_t>> answers;
    std::string resultCode;
};
TeacherView teacherView(const TaskCode& code);

} // namespace rsa::exercise
