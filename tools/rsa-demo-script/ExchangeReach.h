#pragma once

// What the exchange window's steps (cards and messages of letters) reach of
// that window: the window, opened through the one owner at the first step,
// its controls by object name and a click on its buttons.

#include "ScriptRunner.h"
#include "exchangewindow/ExchangeWindow.h"

#include <QPushButton>
#include <QString>
#include <QTest>

#include <string>

namespace rsa::script {

class ExchangeReach {
public:
    explicit ExchangeReach(ScriptRunner& runner) : m_runner(runner) {}

    ExchangeWindow& window() {
        ExchangeWindow& window = m_runner.beside().exchange();
        ScriptRunner::settle();
        return window;
    }

    template <typename T> T& child(const char* name) {
        T* found = window().findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw StepError{std::string("the exchange window has no ") + name};
        }
        return *found;
    }

    void click(const char* name) {
        auto& button = child<QPushButton>(name);
        if (!button.isEnabled()) {
            throw StepError{button.text().toStdString() + " cannot be clicked yet"};
        }
        QTest::mouseClick(&button, Qt::LeftButton);
        ScriptRunner::settle();
    }

protected:
    ScriptRunner& m_runner;
};

} // namespace rsa::script
