// The step window's steps: "explain" prints its content. The window opens with
// the main window when the launch asks for it (--adim-adim).

#include "ScriptRunner.h"

#include "stepwindow/StepWindow.h"

namespace rsa::script {

namespace {

class StepWindowCompanion final : public Companion {
public:
    explicit StepWindowCompanion(ScriptRunner& runner) : m_runner(runner) {}

    void opened(const LaunchOptions& options) override {
        if (options.stepByStep) {
            m_window = openStepWindow(m_runner.window());
        }
    }
    void closing() override { m_window.reset(); }

    void explain() {
        if (m_window == nullptr) {
            return;
        }
        for (const std::string& line : m_window->plainTextLines()) {
            m_runner.out() << "explain: " << line << '\n';
        }
    }

private:
    ScriptRunner& m_runner;
    std::unique_ptr<StepWindow> m_window;
};

} // namespace

void addStepWindowSteps(ScriptRunner& runner) {
    auto companion = std::make_unique<StepWindowCompanion>(runner);
    StepWindowCompanion& steps = *companion;
    runner.addCompanion(std::move(companion));
    runner.addStep("explain", {[&steps](const std::string&) { steps.explain(); }});
}

} // namespace rsa::script
