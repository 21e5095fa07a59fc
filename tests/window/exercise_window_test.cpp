// What the driver's lines cannot show of the exercise window: a new task is
// ready for typing in its first box, Enter checks a box, the right mark stays through a later wrong
// check, a sentence coming or going moves no box, the level chosen and "Saldırgan ol" with the
// attack chosen beside it decide the next task, a code typed in the window opens its task, and the
// teacher's view is offered only in a teacher's window.

#include "exercisewindow/ExerciseWindow.h"
#include "testing/QtApplication.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace rsa {
namespace {

using exercise::Answer;
using exercise::Kind;
using exercise::Level;

const exercise::TaskCode kolay{Kind::Task, Level::Kolay, 3318772};

struct ExerciseWindowTest : ::testing::Test {
    MainWindow main;
    std::unique_ptr<ExerciseWindow> window;

    void SetUp() override {
        main.show();
        LaunchOptions::Exercise options;
        options.open = true;
        options.code = QString::fromStdString(kolay.text());
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

TEST_F(ExerciseWindowTest, SentencesMoveNoBoxAndGoWhenTheyNoLongerHold) {
    const exercise::Task& task = window->current()->task();
    const auto boxPlaces = [this] {
        std::vector<int> places;
        for (auto* box : window->findChildren<QLineEdit*>(QRegularExpression("^answer_"))) {
            places.push_back(box->mapTo(window.get(), QPoint()).y());
        }
        return places;
    };
    const std::vector<int> before = boxPlaces();
    ASSERT_EQ(before.size(), 5u);
    QLabel* dSentence = child<QLabel>(QStringLiteral("message_d"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("hint_d")), Qt::LeftButton);
    typeAnswer(QStringLiteral("phi"), QString::number(task.n() - 1));
    typeAnswer(QStringLiteral("n"), QStringLiteral("abc"));
    QApplication::processEvents();
    EXPECT_TRUE(dSentence->isVisible());
    EXPECT_TRUE(child<QLabel>(QStringLiteral("message_phi"))->isVisible());
    EXPECT_EQ(boxPlaces(), before);
    // "d needs φ first" no longer holds once φ is right.
    typeAnswer(QStringLiteral("phi"), QString::number(task.phi()));
    QApplication::processEvents();
    EXPECT_FALSE(dSentence->isVisible());
    EXPECT_FALSE(child<QLabel>(QStringLiteral("message_phi"))->isVisible());
    EXPECT_EQ(boxPlaces(), before);
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
    // The attack chosen beside the button: each item opens its own kind.
    auto* attack = child<QComboBox>(QStringLiteral("attack"));
    for (int item = 1; item < attack->count(); ++item) {
        attack->setCurrentIndex(item);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("attackerTask")), Qt::LeftButton);
        EXPECT_EQ(window->current()->task().code.kind, exercise::attackKinds[item - 1]);
    }
    // A code of another kind shows its attack in the list.
    window->openCode(exercise::TaskCode{Kind::Attacker, Level::Kolay, 7}.text());
    EXPECT_EQ(attack->currentIndex(), 0);
}

TEST_F(ExerciseWindowTest, ACodeTypedOpensItsTaskAndOnlyATeacherIsOfferedItsAnswers) {
    QLineEdit* box = child<QLineEdit>(QStringLiteral("codeBox"));
    box->setText(QString::fromStdString(kolay.text()).chopped(1) + QLatin1Char('A'));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(window->current()->task().code, kolay);
    EXPECT_TRUE(child<QLabel>(QStringLiteral("codeProblem"))->isVisible());
    const exercise::TaskCode attacker{Kind::Attacker, Level::Orta, 99};
    box->setText(QString::fromStdString(attacker.text()).toLower());
    QTest::mouseClick(child<QPushButton>(QStringLiteral("openCode")), Qt::LeftButton);
    EXPECT_EQ(window->current()->task().code, attacker);
    EXPECT_FALSE(child<QLabel>(QStringLiteral("codeProblem"))->isVisible());
    EXPECT_EQ(child<QComboBox>(QStringLiteral("level"))->currentIndex(), 1);
    // A learner's window offers no teacher's view; a teacher's window shows
    // it, of the task just opened, with both result codes, and may hide it.
    EXPECT_FALSE(child<QLabel>(QStringLiteral("teacher"))->isVisible());
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("teacherView"))->isVisible());
    EXPECT_FALSE(window->teacherView());
    window->setTeacherView(true);
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("teacherView"))->isVisible());
    ASSERT_TRUE(window->teacherView());
    const QString teacher = shown(QStringLiteral("teacher"));
    EXPECT_TRUE(teacher.contains(QString::fromStdString(window->teacherView()->resultCode)));
    EXPECT_TRUE(teacher.contains(QString::fromStdString(window->teacherView()->resultAfterReveal)));
    EXPECT_TRUE(
        teacher.contains(QStringLiteral("d = ") + QString::number(window->current()->task().d())));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("teacherView")), Qt::LeftButton);
    EXPECT_FALSE(child<QLabel>(QStringLiteral("teacher"))->isVisible());
}

} // namespace
} // namespace rsa
