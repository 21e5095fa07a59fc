#include "ScriptedInteraction.h"

#include "testing/AnswerQueue.h"
#include "texts/Texts.h"

namespace rsa::script {

using testing::takeFirst;

void ScriptedInteraction::showMessage(const std::string& text,
                                      const std::optional<std::string>& title) {
    m_out << "message [" << title.value_or(texts::applicationTitle) << "] " << text << '\n';
}

std::optional<std::string> ScriptedInteraction::answerFileDialog(const char* kind,
                                                                 const std::string& filter) {
    std::optional<std::string> answer = takeFirst(files);
    m_out << "dialog " << kind << " [" << filter << "] -> " << answer.value_or("cancel") << '\n';
    return answer;
}

std::optional<std::string> ScriptedInteraction::chooseFileToRead(const std::string& filter) {
    return answerFileDialog("open", filter);
}

std::optional<std::string> ScriptedInteraction::chooseFileToWrite(const std::string& filter,
                                                                  const std::string&) {
    return answerFileDialog("save", filter);
}

std::optional<std::string> ScriptedInteraction::openWebPage(const std::string& address) {
    std::optional<std::string> failure = takeFirst(browsers);
    m_out << "browse " << address << (failure ? " failed" : "") << '\n';
    return failure;
}

void ScriptedInteraction::endProgram() {
    m_out << "exit\n";
    m_ended = true;
}

} // namespace rsa::script
