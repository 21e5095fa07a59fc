#include "testing/RecordingWindow.h"

namespace rsa::testing {

void RecordingWindow::writeText(TextBox box, const std::string& text) {
    boxes[box] = text;
    ++writes;
}

void RecordingWindow::showMessage(const std::string& text,
                                  const std::optional<std::string>& title) {
    messages.push_back({text, title});
}

std::optional<std::string> RecordingWindow::chooseFileToWrite(const std::string& filter,
                                                               const std::string& startFolder) {
    dialogFilters.push_back(filter);
    dialogFolders.push_back(startFolder);
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

void RecordingWindow::typeKey(const std::string& p, const std::string& q, const std::string& e) {
    boxes[TextBox::txtP] = p;
    boxes[TextBox::txtQ] = q;
    boxes[TextBox::txtpublic] = e;
}

void RecordingWindow::typeCard(const std::string& g1, const std::string& g2, const std::string& g3,
                               const std::string& g4) {
    boxes[TextBox::txt1] = g1;
    boxes[TextBox::txt2] = g2;
    boxes[TextBox::txt3] = g3;
    boxes[TextBox::txt4] = g4;
}

std::vector<std::string> RecordingWindow::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

} // namespace rsa::testing
