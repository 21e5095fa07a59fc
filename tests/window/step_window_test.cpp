// What the driver's plain text cannot show of the step window: the pages it
// renders, the view kept on the newest section, a click that folds, the zoom
// keys and the reader's place, the clipboard, "Temizle" and the exported
// files.

#include "companions/Companions.h"
#include "stepwindow/StepWindow.h"
#include "testing/QtApplication.h"
#include "testing/WorkedExample.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

namespace rsa {
namespace {

struct StepWindowTest : ::testing::Test {
    MainWindow main;
    Companions beside{main};
    StepWindow* steps = nullptr;

    void SetUp() override {
        main.show();
        steps = &beside.openSteps();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(steps));
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
        testing::typeWorkedExample(main);
        testing::clickEach(main, {"cmdHesapla", "cmdenc", "cmddec"});
    }
    QWidget* viewport() { return steps->scrollArea()->viewport(); }
    // Where the last line that starts with text is drawn in the scrolling
    // area, after scrolling it into view when asked to.
    std::optional<QRect> lineOnScreen(const QString& text, bool scroll = false) {
        const std::vector<QTextBrowser*> pages = steps->pages();
        for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
            for (QTextBlock block = (*page)->document()->lastBlock(); block.isValid();
                 block = block.previous()) {
                if (!block.text().startsWith(text)) {
                    continue;
                }
                QTextCursor cursor(block);
                cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 2);
                QRect place = (*page)->cursorRect(cursor);
                place.moveTopLeft((*page)->viewport()->mapTo(viewport(), place.topLeft()));
                if (scroll) {
                    steps->scrollArea()->verticalScrollBar()->setValue(
                        steps->scrollArea()->verticalScrollBar()->value() + place.top() - 40);
                    return lineOnScreen(text);
                }
                return place;
            }
        }
        return std::nullopt;
    }
    QString shownText() const { return shownText(*steps); }
    static QString shownText(const StepWindow& window) {
        QString text;
        for (QTextBrowser* page : window.pages()) {
            text += page->document()->toPlainText() + QLatin1Char('\n');
        }
        return text;
    }
};

TEST_F(StepWindowTest, TheNewestSectionIsInViewAndAClickOnATitleFoldsIt) {
    // Three sections each time: more than one page.
    for (std::size_t i = 0; i <= StepWindow::sectionsPerPage / 3; ++i) {
        workedExample();
    }
    ASSERT_GT(steps->pages().size(), 1u) << "the test needs more than one page";
    const std::optional<QRect> newest = lineOnScreen(QStringLiteral("Şifreli blokların çözülmesi"));
    ASSERT_TRUE(newest);
    EXPECT_TRUE(viewport()->rect().contains(newest->center()));

    // Blocks after the first are folded: the title shows, the table does not.
    const QString block2Row = QStringLiteral("32400"); // 180² in the table of r₂
    EXPECT_FALSE(shownText().contains(block2Row));
    const std::optional<QRect> title = lineOnScreen(QStringLiteral("▸ Blok 2: r₂"), true);
    ASSERT_TRUE(title && viewport()->rect().contains(title->center()));
    QWidget* under = viewport()->childAt(title->center());
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(viewport(), title->center()));
    EXPECT_TRUE(shownText().contains(block2Row));
    EXPECT_TRUE(lineOnScreen(QStringLiteral("▾ Blok 2: r₂")));
}

// Folds rewrite one group in the middle of a page; every other group must
// stay where it was, as a window that was given the same folds from the
// start shows them.
TEST_F(StepWindowTest, FoldsInTheMiddleOfAPageLeaveTheRestAsItWas) {
    workedExample();
    workedExample();
    const std::vector<std::string> before = steps->plainTextLines();
    const std::pair<std::size_t, std::size_t> folds[] = {{1, 2}, {1, 3}, {4, 2}, {1, 2},
                                                         {1, 9}, {4, 9}, {1, 3}, {2, 5}};
    for (auto [section, group] : folds) {
        steps->toggleFold(section, group);
    }
    const QString folded = shownText();
    // The same sections, folded as the window now has them, written afresh.
    MainWindow other;
    Companions otherBeside(other);
    StepWindow* again = &otherBeside.openSteps();
    testing::typeWorkedExample(other);
    for (int round = 0; round < 2; ++round) {
        testing::clickEach(other, {"cmdHesapla", "cmdenc", "cmddec"});
    }
    // Each pair of folds of the same group cancels out.
    for (auto [section, group] :
         {std::pair<std::size_t, std::size_t>{1, 9}, {4, 2}, {4, 9}, {2, 5}}) {
        again->toggleFold(section, group);
    }
    EXPECT_EQ(folded, shownText(*again));
    EXPECT_NE(steps->plainTextLines(), before);
}

TEST_F(StepWindowTest, ScrollingAndZoomKeepASectionTitleAtTheTop) {
    const std::size_t perPage = StepWindow::sectionsPerPage;
    for (std::size_t i = 0; i < perPage; ++i) { // three pages
        workedExample();
    }
    std::vector<QString> titles;
    for (const std::string& line : steps->plainTextLines()) {
        if (line.rfind("=== ", 0) == 0) {
            titles.push_back(QString::fromStdString(line.substr(4, line.size() - 8)));
        }
    }
    ASSERT_EQ(titles.size(), 3 * perPage);
    // On the first page, the second, and on the first again.
    for (std::size_t section : {3 * perPage / 4, 5 * perPage / 4, perPage / 2}) {
        QTextBrowser* page = steps->pages()[section / StepWindow::sectionsPerPage];
        // The paragraph drawn at the top of the view, and how far down its line is.
        const auto atTop = [&] {
            const QPoint place = page->viewport()->mapFrom(viewport(), QPoint(5, 1));
            const QTextCursor cursor = page->cursorForPosition(place);
            return std::pair{cursor.block().text(), page->cursorRect(cursor).top() - place.y()};
        };
        steps->scrollToSection(section);
        const auto [title, offset] = atTop();
        EXPECT_EQ(title, titles[section]) << section;
        EXPECT_LE(std::abs(offset), 4) << section;
        steps->setZoom(4);
        EXPECT_EQ(atTop().first, titles[section]) << section;
        steps->setZoom(-2);
        EXPECT_EQ(atTop().first, titles[section]) << section;
        steps->setZoom(0);
    }
}

TEST_F(StepWindowTest, ZoomsCopiesAndClears) {
    workedExample();
    const qreal usual = steps->pages().front()->font().pointSizeF();
    steps->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(steps));
    QTest::keyClick(steps, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(steps, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(steps->pages().front()->font().pointSizeF(), usual + 2);
    QTest::keyClick(steps, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(steps->pages().front()->font().pointSizeF(), usual + 1);
    QTest::keyClick(steps, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(steps->pages().front()->font().pointSizeF(), usual);

    click(steps, QStringLiteral("Kopyala"));
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(
        QStringLiteral("=== Özel anahtarın hesaplanması (private anahtarı hesapla) ===\n")));
    EXPECT_TRUE(copied.contains(QStringLiteral("\n5 | 1 | 5736025 | 683 | 8196 | 1730\n")));

    click(steps, QStringLiteral("Temizle"));
    EXPECT_TRUE(steps->plainTextLines().empty());
    EXPECT_EQ(steps->pages().size(), 1u);
    EXPECT_TRUE(steps->pages().front()->document()->isEmpty());
    click(&main, QStringLiteral("cmdPrime"));
    EXPECT_EQ(steps->plainTextLines().front(),
              "=== 1 ile 100 arasındaki asal sayılar (asal sayıları listele) ===");
}

} // namespace
} // namespace rsa
