#pragma once

// A stand-in for the window: text boxes held in a map, every message and web
// page opened recorded in order, and the answers of the save dialog and the
// browser scripted in advance (with none left: a cancel, a page opened).

#include "operations/WindowOperations.h"
#include "testing/AnswerQueue.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rsa::testing {

class RecordingWindow : public WindowOperations {
public:
    struct Message {
        std::string text;
        std::optional<std::string> title;
        bool operator==(const Message& other) const {
            return text == other.text && title == other.title;
        }
    };

    std::map<TextBox, std::string> boxes;
    std::vector<Message> messages;
    std::vector<std::string> dialogFolders;
    std::vector<std::string> openedPages;
    std::deque<std::optional<std::string>> fileAnswers;    // nullopt: cancel
    std::deque<std::optional<std::string>> browserAnswers; // a text: failure
    bool ended = false;

    std::string readText(TextBox box) override { return boxes[box]; }
    void writeText(TextBox box, const std::string& text) override { boxes[box] = text; }
    void showMessage(const std::string& text, const std::optional<std::string>& title) override {
        messages.push_back({text, title});
    }
    std::optional<std::string> chooseFileToRead(const std::string&) override {
        return takeFirst(fileAnswers);
    }
    std::optional<std::string> chooseFileToWrite(const std::string&,
                                                 const std::string& startFolder) override {
        dialogFolders.push_back(startFolder);
        return takeFirst(fileAnswers);
    }
    std::optional<std::string> openWebPage(const std::string& address) override {
        std::optional<std::string> failure = takeFirst(browserAnswers);
        if (!failure) {
            openedPages.push_back(address);
        }
        return failure;
    }
    void endProgram() override { ended = true; }

    // Types the primes and the public exponent, or the four card groups, into
    // their boxes as a user would before clicking.
    void typeKey(const std::string& p, const std::string& q, const std::string& e) {
        boxes[TextBox::txtP] = p;
        boxes[TextBox::txtQ] = q;
        boxes[TextBox::txtpublic] = e;
    }
    void typeCard(const std::string& g1, const std::string& g2, const std::string& g3,
                  const std::string& g4) {
        boxes[TextBox::txt1] = g1;
        boxes[TextBox::txt2] = g2;
        boxes[TextBox::txt3] = g3;
        boxes[TextBox::txt4] = g4;
    }
};

} // namespace rsa::testing
