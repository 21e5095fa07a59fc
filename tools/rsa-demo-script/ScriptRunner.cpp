#include "ScriptRunner.h"

#include "window/Translations.h"

#include <QApplication>
#include <QTest>

#include <iostream>

namespace rsa::script {

ScriptRunner::ScriptRunner(std::ostream& out) : m_out(out), m_interaction(out) {
    addMainWindowSteps(*this);
    addStepWindowSteps(*this);
    addExerciseSteps(*this);
    addExchangeSteps(*this);
    addTextSteps(*this);
    addAttackSteps(*this);
    addRealSizeSteps(*this);
}

ScriptRunner::~ScriptRunner() {
    closeWindows();
}

int ScriptRunner::run(std::istream& in) {
    if (!launch("")) {
        return 2;
    }
    bool failed = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') {
            continue;
        }
        const std::size_t blank = line.find(' ');
        const std::string verb = line.substr(0, blank);
        const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
        try {
            if (verb == "launch") {
                if (!launch(rest)) {
                    return 2;
                }
            } else {
                const auto step = m_steps.find(verb);
                if (step == m_steps.end()) {
                    throw StepError{"unknown step " + verb};
                }
                if (step->second.standsAlone && blank != std::string::npos) {
                    throw StepError{verb + " takes nothing after it"};
                }
                step->second.run(rest);
                settle();
            }
        } catch (const StepError& error) {
            m_out << "error " << number << ": " << error.why << '\n';
            failed = true;
        }
        m_out.flush();
        if (m_interaction.ended()) {
            break;
        }
    }
    closeWindows();
    return failed ? 1 : 0;
}

void ScriptRunner::closeWindows() {
    m_beside.reset();
    m_window.reset();
}

bool ScriptRunner::launch(const std::string& options) {
    QStringList arguments{QStringLiteral("rsa-demo")};
    arguments << QString::fromStdString(options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const LaunchOptions launched = readLaunchOptions(arguments);
    if (launched.exitCode) {
        // The program would have ended, saying why in the language it would
        // have spoken; the window open now stays, in its own.
        useLanguage(launched.language);
        const QString ending = endingText(arguments);
        useLanguage(m_launched.language);
        throw StepError{"launch " + options + ": " + ending.section('\n', 0, 0).toStdString()};
    }
    closeWindows();
    settle();
    m_launched = launched;
    useLanguage(m_launched.language);
    try {
        m_window = std::make_unique<MainWindow>(m_interaction);
    } catch (const std::exception& error) {
        std::cerr << "rsa-demo-script: the window could not be made: " << error.what() << '\n';
        return false;
    }
    m_window->show();
    m_window->activateWindow();
    if (!QTest::qWaitForWindowExposed(m_window.get())) {
        std::cerr << "rsa-demo-script: the window was not shown\n";
        return false;
    }
    m_beside = std::make_unique<Companions>(*m_window);
    if (const std::optional<QString> reason = m_beside->open(m_launched)) {
        throw StepError{"the real-size window could not be loaded: " + reason->toStdString()};
    }
    // Keyboard steps need the window to be the active one.
    if (!QTest::qWaitForWindowActive(m_window.get())) {
        std::cerr << "rsa-demo-script: the window did not become active\n";
    }
    settle();
    return true;
}

void ScriptRunner::settle() {
    QCoreApplication::processEvents();
}

} // namespace rsa::script
