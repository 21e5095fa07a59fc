// What the golden scenarios cannot see: the real message box, the window's
// client size and title, accessible names, and the keys of a button.

#include "controls/ControlTable.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
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
    MainWindow window;
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

TEST(Form1Window, EveryTextBoxHasItsOwnAccessibleNameInEveryLanguage) {
    for (const QString& language : availableLanguages()) {
        useLanguage(language);
        MainWindow window;
        QSet<QString> names;
        for (int box = 0; box < textBoxCount; ++box) {
            const std::string name(controlOf(static_cast<TextBox>(box)).name);
            const auto* widget = window.findChild<QWidget*>(QString::fromStdString(name));
            ASSERT_NE(widget, nullptr);
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
            names.insert(widget->accessibleName());
        }
        EXPECT_EQ(names.size(), textBoxCount) << language.toStdString();
    }
    useLanguage(sourceLanguage);
    EXPECT_EQ(MainWindow().findChild<QWidget*>("txtpublic")->accessibleName(), "public key");
}

TEST(Form1Window, ShowsMessagesWithoutIconWithOnlyOkAndTheRightCaption) {
    MainWindow window;
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
    MainWindow window;
    const std::string turkish = "şifre  ĞÜŞİÖÇ ığüşöç";
    for (TextBox box :
         {TextBox::txtP, TextBox::txtprime, TextBox::txtdecmsj, TextBox::decrypttxt}) {
        window.writeText(box, turkish);
        EXPECT_EQ(window.readText(box), turkish) << controlOf(box).name;
    }
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("txtprime")->toPlainText(),
              QString::fromUtf8(turkish.c_str()));
}

TEST(CommandButton, ClicksOnReturnEnterAndSpaceButNotOnEscape) {
    MainWindow window;
    auto* button = window.findChild<QPushButton*>("cmdPrime");
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
