#pragma once

// The lesson's worked example (p = 61, q = 53, e = 17, the card 1234 5678
// 9012 3456) typed into a window, and the window's buttons clicked by their
// object names, as the widget tests of the windows beside it begin.

#include "operations/WindowOperations.h"

#include <QAbstractButton>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace rsa::testing {

inline void typeWorkedExample(WindowOperations& window) {
    for (auto [box, text] : {std::pair{TextBox::txtP, "61"},
                             {TextBox::txtQ, "53"},
                             {TextBox::txtpublic, "17"},
                             {TextBox::txt1, "1234"},
                             {TextBox::txt2, "5678"},
                             {TextBox::txt3, "9012"},
                             {TextBox::txt4, "3456"}}) {
        window.writeText(box, text);
    }
}

inline void clickEach(QWidget& window, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
    }
}

} // namespace rsa::testing
