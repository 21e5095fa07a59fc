#include "ScriptedWindow.h"

#include "texts/Texts.h"

namespace rsa::script {

namespace {

template <typename T> std::optional<T> takeFirst(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<T> first = std::move(queue.front());
    queue.pop_front();
    return first;
}

} // namespace

ScriptedWindow::ScriptedWindow(std::ostream& out, Answers& answers)
    : m_out(out), m_answers(answers) {}

void ScriptedWindow::showMessage(const std::string& text, const std::optional<std::string>& title) {
    m_out << "message [" << title.value_or(texts::applicationTitle) << "] " << text << '\n';
}

std::optional<std::string> ScriptedWindow::chooseFileToWrite(const std::string& filter,
                                                             const std::string&) {
    std::optional<std::string> answer = takeFirst(m_answers.files);
    m_out << "dialog save [" << filter << "] -> " << answer.value_or("cancel") << '\n';
    return answer;
}

std::optional<std::string> ScriptedWindow::openWebPage(const std::string& address) {
    std::optional<std::string> failure = takeFirst(m_answers.browsers);
    m_out << "browse " << address << (failure ? " failed" : "") << '\n';
    return failure;
}

void ScriptedWindow::endProgram() {
    m_out << "exit\n";
    m_ended = true;
}

} // namespace rsa::script
