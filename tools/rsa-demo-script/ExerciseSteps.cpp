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

class ExerciseSteps {
public:
    explicit ExerciseSteps(ScriptRunner& runner) : m_runner(runner) {}

    void open(const std::string& rest) {
        QStringList arguments{QStringLiteral("rsa-demo"), QStringLiteral("--alistirma")};
        arguments << toQt(rest).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const LaunchOptions options = readLaunchOptions(arguments);
        if (options.exitCode) {
            throw StepError{"exercise " + rest + ": " +
                            fromQt(endingText(arguments).section(QLatin1Char('\n'), 0, 0))};
        }
        ExerciseWindow& window = m_runner.beside().openExercise(options.exercise);
        if (!QTest::qWaitForWindowExposed(&window)) {
            throw StepError{"the exercise window was not shown"};
        }
        std::ostream& out = m_runner.out();
        const QLabel* refusal = window.findChild<QLabel*>(QStringLiteral("codeProblem"));
        if (refusal->isVisibleTo(&window)) {
            out << "exercise refused: " << fromQt(refusal->text()) << '\n';
            return;
        }
        const exercise::Task& task = window.current()->task();
        out << "exercise: code=" << task.code.text()
            << " kind=" << exercise::kindName(task.code.kind)
            << " level=" << exercise::levelName(task.code.level) << '\n';
        out << "exercise:";
        for (const exercise::Given& given : exercise::givensOf(task)) {
            out << ' ' << given.name << '=';
            for (std::size_t i = 0; i < given.values.size(); ++i) {
                out << (i == 0 ? "" : ",") << given.values[i];
            }
        }
        out << '\n';
        if (const std::optional<exercise::TeacherView> teacher = window.teacherView()) {
            for (const auto& [answer, value] : teacher->answers) {
                out << "teacher: " << exercise::answerName(answer) << '=' << value << '\n';
            }
            out << "teacher: result=" << teacher->resultCode
                << " after-reveal=" << teacher->resultAfterReveal << '\n';
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
        if (message->isVisibleTo(&window())) {
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
        for (const std::string& line : window().solutionWindow()->plainTextLines()) {
            m_runner.out() << "explain: " << line << '\n';
        }
    }

    void score() {
        ExerciseWindow& window = this->window();
        const exercise::Score score = window.current()->score();
        m_runner.out() << "score: right=" << score.right << " of=" << score.of
                       << " tries=" << score.tries << " revealed=" << score.revealed;
        if (child<QLabel>("", "resultCode")->isVisibleTo(&window)) {
            m_runner.out() << " result=" << *window.current()->resultCode();
        }
        m_runner.out() << '\n';
    }

private:
    // The window opens the first time a step needs it, as --alistirma alone
    // would open it: with a new kolay task.
    ExerciseWindow& window() {
        if (ExerciseWindow* open = m_runner.beside().exercise()) {
            return *open;
        }
        LaunchOptions::Exercise options;
        options.open = true;
        return m_runner.beside().openExercise(options);
    }
    template <typename Widget> Widget* child(const char* prefix, const std::string& name) {
        auto* found = window().findChild<Widget*>(QLatin1String(prefix) + toQt(name));
        if (found == nullptr) {
            throw StepError{"the exercise has no " + name};
        }
        return found;
    }

    ScriptRunner& m_runner;
};

} // namespace

void addExerciseSteps(ScriptRunner& runner) {
    auto steps = std::make_shared<ExerciseSteps>(runner);
    runner.addStep("exercise", {[steps](const std::string& rest) { steps->open(rest); }});
    runner.addStep("answer", {[steps](const std::string& rest) { steps->answer(rest); }});
    runner.addStep("hint", {[steps](const std::string& rest) { steps->hint(rest); }});
    runner.addStep("solution", {[steps](const std::string&) { steps->solution(); }, true});
    runner.addStep("score", {[steps](const std::string&) { steps->score(); }, true});
}

} // namespace rsa::script
