// The window operations through Qt's own widgets, where the recording window
// cannot reach: long texts, characters Qt likes to rewrite, the newest row in
// view, the desktop's page opener, Qt's texts in each language and the icon.

#include "controls/ControlTable.h"
#include "testing/QtApplication.h"
#include "texts/Texts.h"
#include "window/MainWindow.h"
#include "window/QtInteraction.h"
#include "window/Translations.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <fstream>

namespace rsa {
namespace {

QWidget* widgetOf(MainWindow& window, TextBox box) {
    const std::string_view name = controlOf(box).name;
    return window.findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

TEST(TextBoxes, HoldAMegabyteAndEveryCharacterAsTyped) {
    MainWindow window;
    // Blanks let the wrapping box wrap; the rare characters are ones Qt's plain
    // text would turn into a blank or a line break.
    std::string megabyte;
    while (megabyte.size() < (1 << 20)) {
        megabyte += " 1730-12 şifre\u00A0\u2028";
    }
    for (int index = 0; index < textBoxCount; ++index) {
        const auto box = static_cast<TextBox>(index);
        QWidget* widget = widgetOf(window, box);
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            line->selectAll();
            line->insert(QString::fromStdString(megabyte));
        } else {
            auto* edit = static_cast<QPlainTextEdit*>(widget);
            edit->selectAll();
            edit->insertPlainText(QString::fromStdString(megabyte));
        }
        ASSERT_EQ(window.readText(box), megabyte) << controlOf(box).name;
        window.appendText(box, " 99");
        EXPECT_EQ(window.readText(box).size(), megabyte.size() + 3) << controlOf(box).name;
    }
}

TEST(TextBoxes, ShowTheNewestRowAfterAnAppend) {
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int row = 0; row < 40; ++row) {
        window.appendText(TextBox::txtdecmsj, " 1730 180 1794 3165 1668 1730 180 1794");
        window.appendText(TextBox::decrypttxt, " 12 34 56 78 90 12 34 56");
    }
    QApplication::processEvents();
    const QScrollBar* rows =
        static_cast<QPlainTextEdit*>(widgetOf(window, TextBox::txtdecmsj))->verticalScrollBar();
    EXPECT_GT(rows->maximum(), 0);
    EXPECT_EQ(rows->value(), rows->maximum());
    const auto* line = static_cast<QLineEdit*>(widgetOf(window, TextBox::decrypttxt));
    EXPECT_EQ(line->cursorPosition(), line->text().size());
}

// The desktop's opener is found on PATH; a stand-in tells how it ends.
class PageOpener : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QByteArray path = qgetenv("PATH");
    void opener(const std::string& body) {
        const std::string file = folder.filePath("xdg-open").toStdString();
        std::ofstream(file) << "#!/bin/sh\n" << body << '\n';
        QFile::setPermissions(QString::fromStdString(file), QFile::ExeOwner | QFile::ReadOwner);
        qputenv("PATH", folder.path().toUtf8() + ":" + path);
    }
    void TearDown() override { qputenv("PATH", path); }
};

TEST_F(PageOpener, AnOpenerThatFailsIsReportedAndOneThatStaysDoesNotBlock) {
    QWidget window;
    QtInteraction interaction(window);
    // The failure is told in a real message box, which is read and closed.
    std::vector<std::pair<QString, QString>> messages;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages.emplace_back(box->windowTitle(), box->text());
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    opener("exit 3");
    EXPECT_EQ(interaction.openWebPage("https://tr.wikipedia.org/wiki/RSA"), std::nullopt);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    EXPECT_EQ(messages, (decltype(messages){{QString::fromUtf8(texts::browserFailed),
                                             QString::fromUtf8(texts::aboutFailed)}}));

    opener("sleep 30");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(interaction.openWebPage("https://tr.wikipedia.org/wiki/RSA"), std::nullopt);
    QTest::qWait(200);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(messages.size(), 1u);

    qputenv("PATH", folder.path().toUtf8() + "/missing");
    EXPECT_EQ(interaction.openWebPage("https://tr.wikipedia.org/wiki/RSA"), texts::browserFailed);
}

TEST(Window, ShowsEachDrawingOfItsIconAtItsOwnSize) {
    const MainWindow window;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Compared as the screen gets them: premultiplied.
        constexpr auto shown = QImage::Format_ARGB32_Premultiplied;
        const QImage drawn =
            QImage(QStringLiteral(":/icons/rsa-demo-%1.png").arg(size)).convertToFormat(shown);
        ASSERT_FALSE(drawn.isNull()) << size;
        EXPECT_EQ(window.windowIcon().pixmap(size, size).toImage().convertToFormat(shown), drawn)
            << size;
    }
}

} // namespace
} // namespace rsa
