#pragma once

// The real window with its waiting operations answered by the scenario:
// message boxes are confirmed at once, the save dialog and the web browser
// take the answers queued by "file" and "browser" steps, and the end of the
// program is only noted. Each of them prints one event line.

#include "window/MainWindow.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>

namespace rsa::script {

// Answers queued by the scenario. They belong to the scenario, not to a
// window, so they survive a "launch".
struct Answers {
    std::deque<std::optional<std::string>> files;    // nothing: cancel
    std::deque<std::optional<std::string>> browsers; // a text: the failure
};

class ScriptedWindow : public MainWindow {
public:
    ScriptedWindow(std::ostream& out, Answers& answers);

    bool ended() const { return m_ended; }

    void showMessage(const std::string& text,
                     const std::optional<std::string>& title = std::nullopt) override;
    std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                 const std::string& startFolder) override;
    std::optional<std::string> openWebPage(const std::string& address) override;
    void endProgram() override;

private:
    std::ostream& m_out;
    Answers& m_answers;
    bool m_ended = false;
};

} // namespace rsa::script
