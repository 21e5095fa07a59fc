// The step window's steps: "explain" prints its content and "export PATH"
// exports it as "Dışa aktar" does with PATH confirmed in its dialog. The
// window opens with the main window when the launch asks for it (--adim-adim).

#include "ScriptRunner.h"

#include "stepwindow/StepWindow.h"
#include "window/QtText.h"

namespace rsa::script {

namespace {

class StepWindowCompanion final : public Companion {
public:
    explicit StepWindowCompanion(ScriptRunner& runner) : m_runner(runner) {}

    void opened(const LaunchOptions& options) override {
        if (options.stepByStep) {
            m_window = openStepWindow(m_runner.window());
            m_runner.setStepSink([window = m_window.get()](explain::Section section) {
                window->addSection(std::move(section));
            });
        }
    }
    void closing() override {
        m_runner.setStepSink({});
        m_window.reset();
    }

    void explain() {
        if (m_window == nullptr) {
            return;
        }
        for (const std::string& line : m_window->plainTextLines()) {
            m_runner.out() << "explain: " << line << '\n';
        }
    }

    void exportTo(const std::string& path) {
        if (m_window == nullptr) {
            return;
        }
        if (const std::optional<QString> written = m_window->exportChosen(toQt(path))) {
            m_runner.out() << "exported " << fromQt(*written) << '\n';
        }
    }

private:
    ScriptRunner& m_runner;
    std::unique_ptr<StepWindow> m_window;
};

} // namespace

void addStepWindowSteps(ScriptRunner& runner) {
    StepWindowCompanion& steps = runner.addCompanion<StepWindowCompanion>();
    runner.addStep("explain", {[&steps](const std::string&) { steps.explain(); }});
    runner.addStep("export", {[&steps](const std::string& path) { steps.exportTo(path); }});
}

} // namespace rsa::script
