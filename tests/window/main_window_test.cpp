// What the golden scenarios cannot see of the Qt window: its size and title,
// how each kind of box and label shows its text, the whole tab ring, the real
// message box and save dialog, and the end of the program.

#include "controls/ControlTable.h"
#include "testing/QtApplication.h"
#include "window/MainWindow.h"
#include "window/QtInteraction.h"
#include "window/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace rsa {
namespace {

// Runs action, which opens a modal window; answer sees that window and closes
// it. Fails the test when no modal window appeared.
void answerModal(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
    QWidget* seen = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if ((seen = QApplication::activeModalWidget()) != nullptr) {
            poll.stop();
            answer(seen);
        }
    });
    poll.start(10);
    action();
    EXPECT_NE(seen, nullptr) << "no modal window was shown";
}

TEST(MainWindow, OpensLaidOutWithItsTabRingAndANameForEveryBox) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(810, 588));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Form1"));
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int press = 0; press < 18; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' '), "txtP txtQ cmdHesapla txtPrivate cmdPrime txtprime cmdenc "
                                 "txtdecmsj cmddec Command1 txtcarpan Command2 decrypttxt "
                                 "txtpublic txt1 txt2 txt3 txt4 txtP");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txt4");
    // A screen reader tells every box by its own name, in every language.
    for (const QString& language : availableLanguages()) {
        useLanguage(language);
        const MainWindow translated;
        QSet<QString> names;
        for (int box = 0; box < textBoxCount; ++box) {
            const std::string name(controlOf(static_cast<TextBox>(box)).name);
            names << translated.findChild<QWidget*>(QString::fromStdString(name))->accessibleName();
        }
        names.remove(QString());
        EXPECT_EQ(names.size(), textBoxCount) << language.toStdString();
    }
    useLanguage(sourceLanguage);
}

TEST(MainWindow, ShowsPlainMessagesWithOnlyOkNoIconAndTheTitleOrRsa) {
    MainWindow window;
    window.show();
    for (const char* title : {"", "Tarayıcı yok"}) {
        const auto given = *title ? std::optional<std::string>(title) : std::nullopt;
        answerModal([&] { window.showMessage("<b>Hata 6</b>", given); },
                    [&](QWidget* modal) {
                        auto* box = qobject_cast<QMessageBox*>(modal);
                        ASSERT_NE(box, nullptr);
                        EXPECT_EQ(box->windowTitle(), QString::fromUtf8(*title ? title : "RSA"));
                        EXPECT_EQ(box->text(), QStringLiteral("<b>Hata 6</b>"));
                        EXPECT_EQ(box->textFormat(), Qt::PlainText);
                        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
                        EXPECT_EQ(box->buttons().size(), 1);
                        box->button(QMessageBox::Ok)->click();
                    });
    }
}

TEST(MainWindow, SavesWhereQtsFileDialogSaysAndNothingOnACancel) {
    MainWindow window;
    window.show();
    const QString path = QDir::temp().filePath(
        QStringLiteral("rsa-save-%1.ENC").arg(QCoreApplication::applicationPid()));
    QFile::remove(path);
    window.writeText(TextBox::txtdecmsj, " 1730\n 180");
    for (bool confirm : {false, true}) {
        answerModal([&] { window.findChild<QAction*>("mnuItemSave")->trigger(); },
                    [&](QWidget* modal) {
                        auto* dialog = qobject_cast<QFileDialog*>(modal);
                        ASSERT_NE(dialog, nullptr);
                        EXPECT_EQ(dialog->nameFilters(), QStringList("şifrelenmiş metin(*.ENC)"));
                        // Typed, as selectFile leaves a name edit that has the focus alone.
                        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                        // QDialog's accept runs QFileDialog's own, which takes the name.
                        confirm ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
                    });
        EXPECT_EQ(QFile::exists(path), confirm);
    }
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray(" 1730\r\n 180\r\n"));
    saved.remove();
    EXPECT_EQ(qtFileFilter("Metin|*.txt|B (*.b)|*.b"), QStringLiteral("Metin (*.txt);;B (*.b)"));
}

TEST(MainWindow, EndProgramClosesTheWindowAndEndsTheEventLoop) {
    MainWindow window;
    window.show();
    // Closing the last window must not be what ends the loop here.
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, &window, [&] { window.endProgram(); });
    QTimer stuck;
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    QApplication::setQuitOnLastWindowClosed(true);
}

} // namespace
} // namespace rsa
