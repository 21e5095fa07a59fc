#pragma once

// What waits for the user, answered by the scenario: message boxes are
// confirmed at once, the open and save dialogs and the web browser take the answers
// queued by "file" and "browser" steps, and the end of the program is only
// noted. Each prints one event line. The answers belong to the scenario, not
// to a window, so they survive a "launch".

#include "operations/UserInteraction.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>

namespace rsa::script {

class ScriptedInteraction final : public UserInteraction {
public:
    explicit ScriptedInteraction(std::ostream& out) : m_out(out) {}

    std::deque<std::optional<std::string>> files;    // nothing: cancel
    std::deque<std::optional<std::string>> browsers; // a text: the failure

    bool ended() const { return m_ended; }

    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override;
    std::optional<std::string> chooseFileToRead(const std::string& filter) override;
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override;
    std::optional<std::string> openWebPage(const std::string& address) override;
    void endProgram() override;

private:
    // The next queued answer, printed as a "dialog KIND" event line.
    std::optional<std::string> answerFileDialog(const char* kind, const std::string& filter);

    std::ostream& m_out;
    bool m_ended = false;
};

} // namespace rsa::script
