// The attacks window's steps (--saldirilar): attacks, attack and
// attack-example. "attack NAME NUMBERS…" chooses the attack in the window's
// list, types the numbers into its box and clicks "Saldır", then prints what
// the window shows; "attack shared-lines FILE" chooses the shared-prime
// attack and opens FILE with "Dosyadan aç…", its open dialog answered with
// FILE. The window opens with the main window when the launch
// asks for it, or at the first of these steps.

#include "ScriptRunner.h"

#include "attacks/Attack.h"
#include "attackswindow/AttacksWindow.h"
#include "window/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace rsa::script {

namespace {

class AttackSteps {
public:
    explicit AttackSteps(ScriptRunner& runner) : m_runner(runner) {}

    template <typename T> T& child(const char* name) {
        AttacksWindow& window = m_runner.beside().attacks();
        ScriptRunner::settle();
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw StepError{std::string("the attacks window has no ") + name};
        }
        return *found;
    }

    void open(const std::string& rest) {
        if (!rest.empty()) {
            throw StepError{
                "attacks takes no options; launch --saldirilar OPTIONS opens it with them"};
        }
        m_runner.beside().attacks();
        ScriptRunner::settle();
        m_runner.out() << "attacks: open\n";
    }

    void attack(const std::string& rest) {
        const std::string name = rest.substr(0, rest.find(' '));
        const std::string numbers = name.size() < rest.size() ? rest.substr(name.size() + 1) : "";
        if (name == linesName) {
            choose(attacks::driverName(attacks::AttackId::Shared));
            m_runner.interaction().files.push_back(numbers);
            QTest::mouseClick(&child<QPushButton>("attackOpenList"), Qt::LeftButton);
        } else {
            choose(name);
            child<QLineEdit>("attackNumbers").setText(toQt(numbers));
            QTest::mouseClick(&child<QPushButton>("attackRun"), Qt::LeftButton);
        }
        ScriptRunner::settle();
        const auto& result = child<QLabel>("attackResult");
        const bool refused = result.property("refused").toBool();
        m_runner.out() << "attack " << name << (refused ? " refused: " : ": ")
                       << fromQt(refused ? result.text() : result.property("found").toString())
                       << '\n';
    }

    void example(const std::string& name) {
        choose(name);
        QTest::mouseClick(&child<QPushButton>("attackRandom"), Qt::LeftButton);
        ScriptRunner::settle();
        m_runner.out() << "attack " << name << ' '
                       << fromQt(child<QLineEdit>("attackNumbers").text()) << '\n';
    }

private:
    static constexpr const char* linesName = "shared-lines";

    void choose(const std::string& name) {
        auto& list = child<QComboBox>("attackList");
        const int index = list.findData(toQt(name));
        if (index < 0) {
            throw StepError{"no attack is called " + name};
        }
        list.setCurrentIndex(index);
        ScriptRunner::settle();
    }

    ScriptRunner& m_runner;
};

} // namespace

void addAttackSteps(ScriptRunner& runner) {
    auto steps = std::make_shared<AttackSteps>(runner);
    runner.addStep("attacks", {[steps](const std::string& rest) { steps->open(rest); }});
    runner.addStep("attack", {[steps](const std::string& rest) { steps->attack(rest); }});
    runner.addStep("attack-example", {[steps](const std::string& rest) { steps->example(rest); }});
}

} // namespace rsa::script
