// The exercise window's steps: "exercise" opens it as --alistirma would and
// prints its task, "answer" types and checks an answer, "hint", "solution"
// and "score" read what the window shows, and in the teacher's view the
// "exercise" step adds the answers and the result code. The window also opens
// with the main window when a launch asks for it (launch --alistirma).

#include "ScriptRunner.h"

#include "exercisewindow/ExerciseWindow.h"
#include "window/QtText.h"
#include "window/Translations.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sstream>

namespace rsa::script {

namespace {

using exercise::Kind;

class ExerciseCompanion final : public Companion {
public:
    explicit ExerciseCompanion(ScriptRunner& runner) : m_runner(runner) {}

    void opened(const LaunchOptions& options) override {
        if (options.exercise.open) {
            m_window = openExerciseWindow(m_runner.window(), options.exercise);
        }
    }
    void closing() override { m_window.reset(); }

    void open(const std::string& rest) {
        QStringList arguments{QStringLiteral("rsa-demo"), QStringLiteral("--alistirma")};
        arguments << toQt(rest).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const LaunchOptions options = readLaunchOptions(arguments);
        if (options.exitCode) {
            throw StepError{"exercise " + rest + ": " +
                            fromQt(endingText(arguments).section(QLatin1Char('\n'), 0, 0))};
        }
        m_window.reset();
        m_window = openExerciseWindow(m_runner.window(), options.exercise);
        if (!QTest::qWaitForWindowExposed(m_window.get())) {
            throw StepError{"the exercise window was not shown"};
        }
        std::ostream& out = m_runner.out();
        const QLabel* refusal = m_window->findChild<QLabel*>(QStringLiteral("codeProblem"));
        if (refusal->isVisibleTo(m_window.get())) {
            out << "exercise refused: " << fromQt(refusal->text()) << '\n';
            return;
        }
        const exercise::Task& task = m_window->current()->task();
        out << "exercise: code=" << task.code.text()
            << " kind=" << exercise::kindName(task.code.kind)
            << " level=" << exercise::levelName(task.code.level) << '\n';
        if (task.code.kind == Kind::Task) {
            out << "exercise: p=" << task.p << " q=" << task.q << " e=" << task.e << " m=" << task.m
                << " c=" << task.cPrime << '\n';
        } else {
            out << "exercise: e=" << task.e << " n=" << task.n() << " c=" << task.blocks[0] << ','
                << task.blocks[1] << ',' << task.blocks[2] << '\n';
        }
        if (const std::optional<exercise::TeacherView> teacher = m_window->teacherView()) {
            for (const auto& [answer, value] : teacher->answers) {
                out << "teacher: " << exercise::answerName(answer) << '=' << value << '\n';
            }
            out << "teacher: result=" << teacher->resultCode << '\n';
        }
    }

    void answer(const std::string& rest) {
        const std::size_t blank = rest.find(' ');
        const std::string name = rest.substr(0, blank);
        const std::string text = blank == std::string::npos ? "" : rest.substr(blank + 1);
        QLineEdit* box = child<QLineEdit>("answer_", name);
        box->setText(toQt(text));
        QTest::mouseClick(child<QPushButton>("check_", name), Qt::LeftButton);
        const QLabel* message = child<QLabel>("message_", name);
        if (message->isVisibleTo(m_window.get())) {
            m_runner.out() << "answer " << name << " wrong: " << fromQt(message->text()) << '\n';
        } else {
            m_runner.out() << "answer " << name << " right\n";
        }
    }

    void hint(const std::string& name) {
        QTest::mouseClick(child<QPushButton>("hint_", name), Qt::LeftButton);
        m_runner.out() << "hint " << name << ": " << fromQt(child<QLabel>("message_", name)->text())
                       << '\n';
    }

    void solution() {
        QTest::mouseClick(child<QPushButton>("", "solutionButton"), Qt::LeftButton);
        for (const std::string& line : m_window->solutionWindow()->plainTextLines()) {
            m_runner.out() << "explain: " << line << '\n';
        }
    }

    void score() {
        const exercise::Score score = window().current()->score();
        m_runner.out() << "score: right=" << score.right << " of=" << score.of
                       << " tries=" << score.tries << " revealed=" << score.revealed;
        if (child<QLabel>("", "resultCode")->isVisibleTo(m_window.get())) {
            m_runner.out() << " result=" << *m_window->current()->resultCode();
        }
        m_runner.out() << '\n';
    }

private:
    // The window opens the first time a step needs it, as --alistirma alone
    // would open it: with a new kolay task.
    ExerciseWindow& window() {
        if (!m_window) {
            LaunchOptions::Exercise options;
            options.open = true;
            m_window = openExerciseWindow(m_runner.window(), options);
        }
        return *m_window;
    }
    template <typename Widget> Widget* child(const char* prefix, const std::string& name) {
        auto* found = window().findChild<Widget*>(QLatin1String(prefix) + toQt(name));
        if (found == nullptr) {
            throw StepError{"the exercise has no " + name};
        }
        return found;
    }

    ScriptRunner& m_runner;
    std::unique_ptr<ExerciseWindow> m_window;
};

} // namespace

void addExerciseSteps(ScriptRunner& runner) {
    ExerciseCompanion& steps = runner.addCompanion<ExerciseCompanion>();
    runner.addStep("exercise", {[&steps](const std::string& rest) { steps.open(rest); }});
    runner.addStep("answer", {[&steps](const std::string& rest) { steps.answer(rest); }});
    runner.addStep("hint", {[&steps](const std::string& rest) { steps.hint(rest); }});
    runner.addStep("solution", {[&steps](const std::string&) { steps.solution(); }, true});
    runner.addStep("score", {[&steps](const std::string&) { steps.score(); }, true});
}

} // namespace rsa::script
