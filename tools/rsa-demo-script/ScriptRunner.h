#pragma once

// Carries out a scenario, one step a line, through the real widgets and
// prints what happens, one event a line. Steps are rows of one table (verb ->
// handler): the main window's in MainWindowSteps.cpp, each window beside it in
// a file of its own, added by an add...Steps() function below. A step that
// cannot be carried out throws a StepError; an error line is printed and the
// scenario goes on, with every window as it was.

#include "ScriptedInteraction.h"
#include "companions/Companions.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace rsa::script {

// A step that cannot be carried out; the text says why.
struct StepError {
    std::string why;
};

struct Step {
    std::function<void(const std::string& rest)> run;
    bool standsAlone = false; // nothing may follow the verb ("focus", "dump")
};

class ScriptRunner {
public:
    explicit ScriptRunner(std::ostream& out);
    ~ScriptRunner();

    // 0 when every step was carried out, 1 when a step failed, 2 when the
    // window could not be opened.
    int run(std::istream& in);

    // What the steps reach.
    std::ostream& out() { return m_out; }
    ScriptedInteraction& interaction() { return m_interaction; }
    MainWindow& window() { return *m_window; }
    // The windows beside the main one, opened as the program opens them.
    Companions& beside() { return *m_beside; }
    const LaunchOptions& launched() const { return m_launched; }
    void addStep(const std::string& verb, Step step) { m_steps[verb] = std::move(step); }
    // Lets queued events run, as between two actions of a user.
    static void settle();

private:
    // Options as typed after "launch"; false when the window could not be opened.
    bool launch(const std::string& options);
    void closeWindows();

    std::ostream& m_out;
    ScriptedInteraction m_interaction;
    std::map<std::string, Step, std::less<>> m_steps;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Companions> m_beside; // closed before the main window
    LaunchOptions m_launched;             // those of the window open now
};

void addMainWindowSteps(ScriptRunner& runner);
void addStepWindowSteps(ScriptRunner& runner);
void addExerciseSteps(ScriptRunner& runner);
void addExchangeSteps(ScriptRunner& runner);
void addTextSteps(ScriptRunner& runner);
void addRealSizeSteps(ScriptRunner& runner);
void addAttackSteps(ScriptRunner& runner);

} // namespace rsa::script
