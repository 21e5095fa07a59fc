// What the driver's lines cannot show of the exercise window: a new task is
// ready for typing in its first box, Enter checks a box, the right mark stays through a later wrong
// check, the level chosen and "Saldırgan ol" decide the next task, a code typed in the window opens
// its task, and the teacher's view follows its button.

#include "exercisewindow/ExerciseWindow.h"
#include "testing/QtApplication.h"
#include "window/MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace rsa {
namespace {

using exercise::Answer;
using exercise::Kind;
using exercise::Level;

struct ExerciseWindowTest : ::testing::Test {
    MainWindow main;
    std::unique_ptr<ExerciseWindow> window;

    void SetUp() override {
        main.show();
        LaunchOptions::Exercise options;
        options.open = true;
        options.code = QStringLiteral("GK5MEG7A");
        window = makeExerciseWindow(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename Widget> Widget* child(const QString& name) {
        auto* found = window->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    void typeAnswer(const QString& name, const QString& text) {
        QLineEdit* box = child<QLineEdit>(QStringLiteral("answer_") + name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString shown(const QString& name) { return child<QLabel>(name)->text(); }
};

TEST_F(ExerciseWindowTest, EnterChecksAndARightMarkStays) {
    const exercise::Task& task = window->current()->task();
    // The first box is ready for typing.
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(QStringLiteral("answer_n")));
    typeAnswer(QStringLiteral("n"), QString::number(task.n()));
    EXPECT_EQ(shown(QStringLiteral("mark_n")), QStringLiteral("✓ Doğru"));
    typeAnswer(QStringLiteral("n"), QString::number(task.p + task.q));
    EXPECT_EQ(shown(QStringLiteral("mark_n")), QStringLiteral("✓ Doğru"));
    EXPECT_TRUE(child<QLabel>(QStringLiteral("message_n"))->isVisible());
    EXPECT_EQ(window->current()->score().tries, 2);
    EXPECT_EQ(window->current()->score().right, 1);
}

TEST_F(ExerciseWindowTest, TheLevelAndTheAttackerButtonDecideTheNextTask) {
    child<QComboBox>(QStringLiteral("level"))->setCurrentIndex(2);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("attackerTask")), Qt::LeftButton);
    const exercise::TaskCode code = window->current()->task().code;
    EXPECT_EQ(code.kind, Kind::Attacker);
    EXPECT_EQ(code.level, Level::Zor);
    EXPECT_NE(window->findChild<QLineEdit*>(QStringLiteral("answer_m3")), nullptr);
    EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("answer_n")), nullptr);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("newTask")), Qt::LeftButton);
    EXPECT_EQ(window->current()->task().code.kind, Kind::Task);
    EXPECT_EQ(window->current()->task().code.level, Level::Zor);
    EXPECT_NE(window->current()->task().code.text(), code.text());
}

TEST_F(ExerciseWindowTest, ACodeTypedOpensItsTaskWhoseTeacherViewFollowsItsButton) {
    QLineEdit* box = child<QLineEdit>(QStringLiteral("codeBox"));
    box->setText(QStringLiteral("GK5MEG7B"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window->current()->task().code.text(), "GK5MEG7A");
    EXPECT_TRUE(child<QLabel>(QStringLiteral("codeProblem"))->isVisible());
    const exercise::TaskCode attacker{Kind::Attacker, Level::Orta, 99};
    box->setText(QString::fromStdString(attacker.text()).toLower());
    QTest::mouseClick(child<QPushButton>(QStringLiteral("openCode")), Qt::LeftButton);
    EXPECT_EQ(window->current()->task().code, attacker);
    EXPECT_FALSE(child<QLabel>(QStringLiteral("codeProblem"))->isVisible());
    EXPECT_EQ(child<QComboBox>(QStringLiteral("level"))->currentIndex(), 1);
    // The teacher's view, of the task just opened, follows its button.
    EXPECT_FALSE(child<QLabel>(QStringLiteral("teacher"))->isVisible());
    EXPECT_FALSE(window->teacherView());
    QTest::mouseClick(child<QPushButton>(QStringLiteral("teacherView")), Qt::LeftButton);
    ASSERT_TRUE(window->teacherView());
    const QString teacher = shown(QStringLiteral("teacher"));
    EXPECT_TRUE(teacher.contains(QString::fromStdString(window->teacherView()->resultCode)));
    EXPECT_TRUE(
        teacher.contains(QStringLiteral("d = ") + QString::number(window->current()->task().d())));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("teacherView")), Qt::LeftButton);
    EXPECT_FALSE(child<QLabel>(QStringLiteral("teacher"))->isVisible());
}

} // namespace
} // namespace rsa
