// The step window's steps: "explain" prints its content and "export PATH"
// exports it as "Dışa aktar" does with PATH confirmed in its dialog. The
// window opens with the main window when the launch asks for it (--adim-adim).

#include "ScriptRunner.h"

#include "stepwindow/StepWindow.h"
#include "window/QtText.h"

namespace rsa::script {

namespace {

class StepWindowSteps {
public:
    explicit StepWindowSteps(ScriptRunner& runner) : m_runner(runner) {}

    void explain() {
        const StepWindow* window = m_runner.beside().steps();
        if (window == nullptr) {
            return;
        }
        for (const std::string& line : window->plainTextLines()) {
            m_runner.out() << "explain: " << line << '\n';
        }
    }

    void exportTo(const std::string& path) {
        StepWindow* window = m_runner.beside().steps();
        if (window == nullptr) {
            return;
        }
        if (const std::optional<QString> written = window->exportChosen(toQt(path))) {
            m_runner.out() << "exported " << fromQt(*written) << '\n';
        }
    }

private:
    ScriptRunner& m_runner;
};

} // namespace

void addStepWindowSteps(ScriptRunner& runner) {
    auto steps = std::make_shared<StepWindowSteps>(runner);
    runner.addStep("explain", {[steps](const std::string&) { steps->explain(); }});
    runner.addStep("export", {[steps](const std::string& path) { steps->exportTo(path); }});
}

} // namespace rsa::script
