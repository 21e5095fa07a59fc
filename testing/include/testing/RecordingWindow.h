#pragma once

// A stand-in for the window: text boxes held in a map, every message, dialog,
// web page and program end recorded in order, and the answers of the save
// dialog and the browser scripted in advance.

#include "operations/WindowOperations.h"

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
    };

    std::map<TextBox, std::string> boxes;
    std::vector<Message> messages;
    std::vector<std::string> dialogFilters;
    std::vector<std::string> dialogFolders;
    std::vector<std::string> openedPages;
    std::deque<std::optional<std::string>> fileAnswers;    // nullopt: cancel
    std::deque<std::optional<std::string>> browserAnswers; // a text: failure
    int writes = 0;
    bool ended = false;

    std::string readText(TextBox box) override { return boxes[box]; }
    void writeText(TextBox box, const std::string& text) override;
    void showMessage(const std::string& text, const std::optional<std::string>& title) override;
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override;
    std::optional<std::string> openWebPage(const std::string& address) override;
    void endProgram() override { ended = true; }

    // Types the primes and the public exponent, or the four card groups, into
    // their boxes as a user would before clicking.
    void typeKey(const std::string& p, const std::string& q, const std::string& e);
    void typeCard(const std::string& g1, const std::string& g2, const std::string& g3,
                  const std::string& g4);

    // The texts of the messages shown, in order.
    std::vector<std::string> messageTexts() const;
};

} // namespace rsa::testing
