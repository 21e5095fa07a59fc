#pragma once

// Carries out a scenario, one step a line, through the real widgets of a
// scripted window and prints what happens, one event a line. A step that
// cannot be carried out prints an error line and the scenario goes on.

#include "ScriptedWindow.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace rsa::script {

class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out);
    ~ScriptRunner();

    // 0 when every step was carried out, 1 when a step failed, 2 when the
    // window could not be opened.
    int run(std::istream& in);

private:
    // Options as typed after "launch"; false when the window could not be opened.
    bool launch(const std::string& options);
    void step(const std::string& verb, const std::string& rest);
    void type(const std::string& rest);
    void click(const std::string& name);
    void menu(const std::string& name);
    void file(const std::string& rest);
    void browser(const std::string& rest);
    void show(const std::string& name);
    void var(const std::string& name);
    void key(const std::string& name);
    void focus();
    void dump();
    void explain();
    void settle();

    std::ostream& m_out;
    Answers m_answers;
    std::unique_ptr<ScriptedWindow> m_window;
    LaunchOptions m_launched;            // those of the window open now
    std::unique_ptr<StepWindow> m_steps; // only when launched with --adim-adim
};

} // namespace rsa::script
