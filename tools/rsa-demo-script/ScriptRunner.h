#pragma once

// Carries out a scenario, one step a line, through the real widgets and
// prints what happens, one event a line. Steps are rows of one table (verb ->
// handler): the main window's in MainWindowSteps.cpp, each window beside it in
// a file of its own, added by an add...Steps() function below. A step that
// cannot be carried out throws a StepError; an error line is printed and the
// scenario goes on, with every window as it was.

#include "ScriptedInteraction.h"
#include "explain/Section.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace rsa::script {

// A step that cannot be carried out; the text says why.
struct StepError {
    std::string why;
};

struct Step {
    std::function<void(const std::string& rest)> run;
    bool standsAlone = false; // nothing may follow the verb ("focus", "dump")
};

// A window beside the main one: opened by the launch options (or by its
// first step), closed whenever the main window closes.
class Companion {
public:
    virtual ~Companion() = default;
    virtual void opened(const LaunchOptions& options) = 0;
    virtual void closing() = 0;
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
    const LaunchOptions& launched() const { return m_launched; }
    void addStep(const std::string& verb, Step step) { m_steps[verb] = std::move(step); }
    // Makes a companion of type C (constructed from this runner), which
    // every launch opens and closes, and hands it back for its steps.
    template <typename C> C& addCompanion() {
        auto companion = std::make_unique<C>(*this);
        C& added = *companion;
        m_companions.push_back(std::move(companion));
        return added;
    }
    // The open step window's addSection, empty when it is not open; the
    // windows beside the main one explain their actions through it.
    const explain::SectionSink& stepSink() const { return m_stepSink; }
    void setStepSink(explain::SectionSink sink) { m_stepSink = std::move(sink); }

    // Lets queued events run, as between two actions of a user.
    static void settle();

private:
    // Options as typed after "launch"; false when the window could not be opened.
    bool launch(const std::string& options);
    void closeWindows();

    std::ostream& m_out;
    ScriptedInteraction m_interaction;
    std::map<std::string, Step, std::less<>> m_steps;
    std::vector<std::unique_ptr<Companion>> m_companions;
    std::unique_ptr<MainWindow> m_window;
    LaunchOptions m_launched; // those of the window open now
    explain::SectionSink m_stepSink;
};

void addMainWindowSteps(ScriptRunner& runner);
void addStepWindowSteps(ScriptRunner& runner);
void addExerciseSteps(ScriptRunner& runner);
void addExchangeSteps(ScriptRunner& runner);
void addRealSizeSteps(ScriptRunner& runner);

} // namespace rsa::script
