// What the golden scenarios cannot see: the real message box, the window's
// client size and title, accessible names, and the keys of a button.

#include "window/CommandButton.h"
#include "window/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rsa {
namespace {

// One QApplication for the whole test program, on the offscreen platform.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "form1_widget_test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Runs action, which opens a modal window; inspect sees that window and
// closes it. Fails the test when no modal window appeared.
void answerModal(const std::function<void()>& action,
                 const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            seen = true;
            inspect(modal);
        }
    });
    poll.start(10);
    action();
    poll.stop();
    EXPECT_TRUE(seen) << "no modal window was shown";
}

TEST(Form1Window, OpensAtTheClientSizeWithItsTitleAndPlainMenuEntries) {
    Form1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(810, 588));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Form1"));
    // The message frame reaches past the client area and is cut off by 7 pixels.
    EXPECT_EQ(window.findChild<QWidget*>("Frame1")->geometry().right() + 1 -
                  window.centralWidget()->width(),
              7);
    for (const QAction* menu : window.menuBar()->actions()) {
        for (const QAction* entry : menu->menu()->actions()) {
            EXPECT_TRUE(entry->shortcut().isEmpty()) << entry->objectName().toStdString();
            EXPECT_FALSE(entry->isSeparator());
        }
    }
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>("txtP"));
}

TEST(Form1Window, EveryTextBoxHasItsOwnAccessibleName) {
    Form1 window;
    QSet<QString> names;
    for (TextBox box : allTextBoxes) {
        const auto* widget = window.findChild<QWidget*>(textBoxName(box));
        ASSERT_NE(widget, nullptr);
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << textBoxName(box);
        names.insert(widget->accessibleName());
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(std::size(allTextBoxes)));
    EXPECT_EQ(window.findChild<QWidget*>("txtpublic")->accessibleName(), "public key");
}

TEST(Form1Window, ShowsMessagesWithoutIconWithOnlyOkAndTheRightCaption) {
    Form1 window;
    window.show();
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons;
        qsizetype buttonCount = 0;
    };
    for (const std::optional<std::string>& title :
         {std::optional<std::string>(), std::optional<std::string>("Tarayıcı yok")}) {
        Seen seen;
        answerModal([&] { window.showMessage("Hata 6: Overflow", title); },
                    [&](QWidget* modal) {
                        auto* box = qobject_cast<QMessageBox*>(modal);
                        ASSERT_NE(box, nullptr);
                        seen = {box->windowTitle(), box->text(), box->icon(),
                                box->standardButtons(), box->buttons().size()};
                        box->button(QMessageBox::Ok)->click();
                    });
        EXPECT_EQ(seen.title, QString::fromUtf8(title.value_or("RSA")));
        EXPECT_EQ(seen.text, QStringLiteral("Hata 6: Overflow"));
        EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(seen.buttonCount, 1);
    }
}

TEST(Form1Window, TextGoesThroughTheWidgetsUnchanged) {
    Form1 window;
    const std::string turkish = "şifre  ĞÜŞİÖÇ ığüşöç";
    for (TextBox box :
         {TextBox::txtP, TextBox::txtprime, TextBox::txtdecmsj, TextBox::decrypttxt}) {
        window.writeText(box, turkish);
        EXPECT_EQ(window.readText(box), turkish) << textBoxName(box);
    }
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("txtprime")->toPlainText(),
              QString::fromUtf8(turkish.c_str()));
}

TEST(CommandButton, ClicksOnReturnEnterAndSpaceButNotOnEscape) {
    QWidget window;
    auto* button = new CommandButton(QStringLiteral("şifrele"), &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
}

TEST(QtFileFilter, AddsThePatternOnlyWhenTheShownNameLacksIt) {
    EXPECT_EQ(qtFileFilter("şifrelenmiş metin(*.ENC)|*.ENC"),
              QString::fromUtf8("şifrelenmiş metin(*.ENC)"));
    EXPECT_EQ(qtFileFilter("Metin|*.txt"), QStringLiteral("Metin (*.txt)"));
    EXPECT_EQ(qtFileFilter("A|*.a|B (*.b)|*.b"), QStringLiteral("A (*.a);;B (*.b)"));
}

} // namespace
} // namespace rsa
