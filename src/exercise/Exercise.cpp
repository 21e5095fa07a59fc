#include "exercise/Exercise.h"

#include <algorithm>

namespace rsa::exercise {

Exercise::Exercise(const TaskCode& code) : m_task(taskFromCode(code)) {
    for (Answer answer : answers()) {
        m_states[answer] = AnswerState::Open;
    }
}

Diagnosis Exercise::check(Answer answer, std::string_view text) {
    Diagnosis diagnosis = diagnose(m_task, answer, text);
    ++m_tries;
    AnswerState& state = m_states.at(answer);
    if (diagnosis.right() && state == AnswerState::Open) {
        state = AnswerState::Right;
    }
    return diagnosis;
}

void Exercise::reveal() {
    for (auto& [answer, state] : m_states) {
        if (state == AnswerState::Open) {
            state = AnswerState::Revealed;
        }
    }
}

Score Exercise::score() const {
    Score score;
    score.of = static_cast<int>(m_states.size());
    score.tries = m_tries;
    for (const auto& [answer, state] : m_states) {
        score.right += state == AnswerState::Right ? 1 : 0;
        score.revealed += state == AnswerState::Revealed ? 1 : 0;
    }
    return score;
}

std::optional<std::string> Exercise::resultCode() const {
    const Score now = score();
    if (now.right != now.of) {
        return std::nullopt;
    }
    return exercise::resultCode(m_task.code);
}

TeacherView teacherView(const TaskCode& code) {
    TeacherView view{taskFromCode(code), {}, resultCode(code)};
    for (Answer answer : answersOf(code.kind)) {
        view.answers.emplace_back(answer, rightAnswer(view.task, answer));
    }
    return view;
}

} // namespace rsa::exercise
