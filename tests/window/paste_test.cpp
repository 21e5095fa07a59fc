// Pasting into every kind of text box the windows have, on a real X server
// (the test runs under Xvfb): first while no program owns the clipboard,
// where X11 offers no format at all, then with data of no format set by the
// program itself, with data that holds no text and with a text. Each paste must leave the program
// running, and a text must arrive in every box that takes typing.

#include "attackswindow/AttacksWindow.h"
#include "companions/Companions.h"
#include "testing/QtApplication.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace rsa {
namespace {

// A line box holds "text", the two multi-line kinds "plainText"; all three say "readOnly".
QString textOf(QWidget* box) {
    return box->property(qobject_cast<QLineEdit*>(box) ? "text" : "plainText").toString();
}

// Every text box of the open windows that a learner can reach.
std::vector<QWidget*> textBoxes() {
    std::vector<QWidget*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* box : window->findChildren<QWidget*>()) {
            const bool isTextBox = qobject_cast<QLineEdit*>(box) != nullptr ||
                                   qobject_cast<QPlainTextEdit*>(box) != nullptr ||
                                   qobject_cast<QTextEdit*>(box) != nullptr;
            if (isTextBox && box->isVisible() && box->isEnabled()) {
                boxes.push_back(box);
            }
        }
    }
    return boxes;
}

// Ctrl+V, then a middle click (X11's selection) at the box's centre.
void pasteBothWays(QWidget* box) {
    box->activateWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QWidget* surface = box;
    if (auto* scrolling = qobject_cast<QAbstractScrollArea*>(box)) {
        surface = scrolling->viewport();
    }
    QTest::mouseClick(surface, Qt::MiddleButton, {}, surface->rect().center());
}

TEST(Paste, EveryTextBoxSurvivesWhateverTheClipboardHolds) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X server: the unowned clipboard is X11's";
    }
    MainWindow main;
    main.show();
    Companions beside(main);
    LaunchOptions options;
    options.stepByStep = true;
    options.exchange = true;
    options.exercise.open = true;
    options.attacks = true;
    beside.open(options);
    // The shared-prime attack shows the attacks window's key list box.
    auto* attack = beside.attacks().findChild<QComboBox*>(QStringLiteral("attackList"));
    attack->setCurrentIndex(attack->findData(QStringLiteral("shared")));
    QApplication::processEvents();
    const std::vector<QWidget*> boxes = textBoxes();
    // At least the main window's line and multi-line boxes, the exchange's
    // block box, the step window's pages and the exercise's answer boxes.
    ASSERT_GE(boxes.size(), 20U);

    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* unowned = clipboard->mimeData(QClipboard::Clipboard);
    ASSERT_TRUE(unowned == nullptr || unowned->formats().isEmpty())
        << "some program owns this X server's clipboard; the unowned case is not tried";
    for (QWidget* box : boxes) {
        pasteBothWays(box);
    }
    clipboard->setMimeData(new QMimeData);
    clipboard->setMimeData(new QMimeData, QClipboard::Selection);
    for (QWidget* box : boxes) {
        pasteBothWays(box);
    }

    auto image = std::make_unique<QMimeData>();
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    clipboard->setMimeData(image.release());
    clipboard->setText(QString(), QClipboard::Selection);
    for (QWidget* box : boxes) {
        const QString before = textOf(box);
        pasteBothWays(box);
        EXPECT_EQ(textOf(box), before) << box->objectName().toStdString();
    }

    clipboard->setText(QStringLiteral("4711"));
    for (QWidget* box : boxes) {
        pasteBothWays(box);
        if (!box->property("readOnly").toBool()) {
            EXPECT_TRUE(textOf(box).contains(QStringLiteral("4711")))
                << box->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace rsa
