#include "RecordingWindow.h"

namespace rsa::testing {

void RecordingWindow::writeText(TextBox box, const std::string& text) {
    boxes[box] = text;
    ++writes;
}

void RecordingWindow::showMessage(const std::string& text,
                                  const std::optional<std::string>& title) {
    messages.push_back({text, title});
}

std::optional<std::string> RecordingWindow::chooseFileToWrite(const std::string& filter) {
    dialogFilters.push_back(filter);
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> RecordingWindow::openWebPage(const std::string& address) {
    std::optional<std::string> failure;
    if (!browserAnswers.empty()) {
        failure = browserAnswers.front();
        browserAnswers.pop_front();
    }
    if (!failure) {
        openedPages.push_back(address);
    }
    return failure;
}

std::vector<std::string> RecordingWindow::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

} // namespace rsa::testing
