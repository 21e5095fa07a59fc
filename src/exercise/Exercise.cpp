#include "exercise/Exercise.h"

#include <algorithm>

namespace rsa::exercise {

namespace {

// The answers revealed so far, by task code, for the program's whole run: a
// learner who reopens the code does not get a clean slate.
std::map<std::string, std::set<Answer>>& revealedSoFar() {
    static std::map<std::string, std::set<Answer>> revealed;
    return revealed;
}

} // namespace

Exercise::Exercise(const TaskCode& code)
    : m_task(taskFromCode(code)), m_revealed(revealedSoFar()[code.text()]) {
    for (Answer answer : answers()) {
        m_states[answer] =
            m_revealed.count(answer) != 0 ? AnswerState::Revealed : AnswerState::Open;
    }
}

Diagnosis Exercise::check(Answer answer, std::string_view text, std::string_view thousands) {
    Diagnosis diagnosis = diagnose(m_task, answer, text, thousands);
    ++m_tries;
    AnswerState& state = m_states.at(answer);
    if (diagnosis.right()) {
        state = AnswerState::Right;
    }
    return diagnosis;
}

void Exercise::reveal() {
    for (auto& [answer, state] : m_states) {
        if (state == AnswerState::Open) {
            state = AnswerState::Revealed;
            m_revealed.insert(answer);
        }
    }
    revealedSoFar()[m_task.code.text()] = m_revealed;
}

Score Exercise::score() const {
    Score score;
    score.of = static_cast<int>(m_states.size());
    score.tries = m_tries;
    for (const auto& [answer, state] : m_states) {
        score.right += state == AnswerState::Right ? 1 : 0;
    }
    score.revealed = static_cast<int>(m_revealed.size());
    return score;
}

std::optional<std::string> Exercise::resultCode() const {
    const Score now = score();
    if (now.right != now.of) {
        return std::nullopt;
    }
    return exercise::resultCode(m_task.code,
                                m_revealed.empty() ? Earned::Clean : Earned::AfterReveal);
}

TeacherView teacherView(const TaskCode& code) {
    TeacherView view{
        taskFromCode(code), {}, resultCode(code), resultCode(code, Earned::AfterReveal)};
    for (Answer answer : answersOf(code.kind)) {
        view.answers.emplace_back(answer, rightAnswer(view.task, answer));
        // The attacker's task asks for no φ, but d is checked against it.
        if (code.kind == Kind::Attacker && answer == Answer::Q) {
            view.answers.emplace_back(Answer::Phi, view.task.phi());
        }
    }
    return view;
}

} // namespace rsa::exercise
