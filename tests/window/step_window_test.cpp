// What the driver's plain text cannot show of the step window: the document
// it renders, the view kept on the newest section, a click that folds, the
// zoom keys, the clipboard, "Temizle" and the exported files.

#include "stepwindow/StepWindow.h"
#include "testing/QtApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace rsa {
namespace {

struct StepWindowTest : ::testing::Test {
    MainWindow main;
    std::unique_ptr<StepWindow> steps;
    QTextBrowser* view = nullptr;

    void SetUp() override {
        main.show();
        steps = openStepWindow(main);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(steps.get()));
        view = steps->findChild<QTextBrowser*>();
    }
    void click(QWidget* window, const QString& name) {
        auto* button = window->findChild<QAbstractButton*>(name);
        if (button == nullptr) { // the step window's buttons have captions, not names
            for (auto* candidate : window->findChildren<QAbstractButton*>()) {
                button = candidate->text() == name ? candidate : button;
            }
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void workedExample() {
        for (auto [box, text] : {std::pair{TextBox::txtP, "61"},
                                 {TextBox::txtQ, "53"},
                                 {TextBox::txtpublic, "17"},
                                 {TextBox::txt1, "1234"},
                                 {TextBox::txt2, "5678"},
                                 {TextBox::txt3, "9012"},
                                 {TextBox::txt4, "3456"}}) {
            main.writeText(box, text);
        }
        for (const char* button : {"cmdHesapla", "cmdenc", "cmddec"}) {
            click(&main, QLatin1String(button));
        }
    }
    // Where the last line that starts with text is drawn in the view, if it
    // is there, after scrolling it into view when asked to.
    std::optional<QRect> lineOnScreen(const QString& text, bool scroll = false) {
        for (QTextBlock block = view->document()->lastBlock(); block.isValid();
             block = block.previous()) {
            if (block.text().startsWith(text)) {
                QTextCursor cursor(block);
                cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 2);
                if (scroll) {
                    view->setTextCursor(cursor);
                    view->ensureCursorVisible();
                }
                return view->cursorRect(cursor);
            }
        }
        return std::nullopt;
    }
};

TEST_F(StepWindowTest, TheNewestSectionIsInViewAndAClickOnATitleFoldsIt) {
    workedExample();
    workedExample();
    ASSERT_GT(view->verticalScrollBar()->maximum(), 0) << "the test needs a scrolling view";
    const std::optional<QRect> newest = lineOnScreen(QStringLiteral("Şifreli blokların çözülmesi"));
    ASSERT_TRUE(newest);
    EXPECT_TRUE(view->viewport()->rect().contains(newest->center()));

    // Blocks after the first are folded: the title shows, the table does not.
    const QString block2Row = QStringLiteral("32400"); // 180² in the table of r₂
    EXPECT_FALSE(view->document()->toPlainText().contains(block2Row));
    const std::optional<QRect> title = lineOnScreen(QStringLiteral("▸ Blok 2: r₂"), true);
    ASSERT_TRUE(title && view->viewport()->rect().contains(title->center()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, title->center());
    EXPECT_TRUE(view->document()->toPlainText().contains(block2Row));
    EXPECT_TRUE(lineOnScreen(QStringLiteral("▾ Blok 2: r₂")));
}

TEST_F(StepWindowTest, ZoomsCopiesClearsAndExportsEverythingUnfolded) {
    workedExample();
    const qreal usual = view->font().pointSizeF();
    steps->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(steps.get()));
    QTest::keyClick(steps.get(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(steps.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view->font().pointSizeF(), usual + 2);
    QTest::keyClick(steps.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view->font().pointSizeF(), usual + 1);
    QTest::keyClick(steps.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(view->font().pointSizeF(), usual);

    click(steps.get(), QStringLiteral("Kopyala"));
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(
        QStringLiteral("=== Özel anahtarın hesaplanması (private anahtarı hesapla) ===\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("\n5 | 1 | 5736025 | 683 | 8196 | 1730\n")));

    QTemporaryDir folder;
    EXPECT_EQ(steps->exportTo(folder.filePath(QStringLiteral("a.html"))), std::nullopt);
    EXPECT_EQ(steps->exportTo(folder.filePath(QStringLiteral("a.pdf"))), std::nullopt);
    EXPECT_EQ(steps->exportTo(folder.filePath(QStringLiteral("none/a.pdf"))),
              "No such file or directory");
    QFile html(folder.filePath(QStringLiteral("a.html")));
    QFile pdf(folder.filePath(QStringLiteral("a.pdf")));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly) && pdf.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(html.readAll());
    // Folded blocks and the attacker's part are in the handout too.
    for (const char* text : {"<html", "ebob(17, 3120)", "c₈ = 56¹⁷ mod 3233 = 1794",
                             "Saldırganın gördüğü", "r₈ = 1794²⁷⁵³ mod 3233 = 56"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(page.contains(QStringLiteral("▸")));
    EXPECT_TRUE(pdf.read(5) == "%PDF-" && pdf.size() > 10000);

    click(steps.get(), QStringLiteral("Temizle"));
    EXPECT_TRUE(steps->plainTextLines().empty());
    EXPECT_TRUE(view->document()->isEmpty());
    click(&main, QStringLiteral("cmdPrime"));
    EXPECT_EQ(steps->plainTextLines().front(),
              "=== 1 ile 100 arasındaki asal sayılar (asal sayıları listele) ===");
}

} // namespace
} // namespace rsa
