// Every caption and sentence of the exercise window can be read whole at any
// Qt scale, in every language, with every line showing (a sentence for each
// answer, the teacher's view, the result code): a one-line caption fits its
// control, a wrapped sentence has the height its lines need, and every level
// fits the level box. Run once per scale (QT_SCALE_FACTOR), as the main
// window's caption test is, and with a desktop font half as large again.

#include "exercisewindow/ExerciseWindow.h"
#include "testing/QtApplication.h"
#include "testing/WholeCaptions.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QLineEdit>
#include <QTest>

namespace rsa {
namespace {

void expectEveryLineReadable() {
    MainWindow main;
    main.show();
    // A task, a refused attacker's code, and the attacks with the longest
    // captions and sentences.
    for (const char* code : {"GKKWTRJY", "SZ34567", "MKEKE3JJ", "WKG44RD4", "HKJ4RPGK"}) {
        LaunchOptions::Exercise options;
        options.open = true;
        options.code = QString::fromLatin1(code);
        options.teacher = true;
        // The attacker's code is refused (seven characters): the refusal shows
        // above a new attacker's task.
        options.attacker = true;
        const std::unique_ptr<ExerciseWindow> window = makeExerciseWindow(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        for (auto* box : window->findChildren<QLineEdit*>()) {
            if (box->objectName().startsWith(QStringLiteral("answer_"))) {
                box->setText(QStringLiteral("-1"));
                QTest::keyClick(box, Qt::Key_Return);
            }
        }
        QTest::qWait(20);
        testing::expectWholeCaptions(*window);
        // Every answer right: the result code and every mark.
        const std::optional<exercise::TeacherView> teacher = window->teacherView();
        ASSERT_TRUE(teacher);
        for (exercise::Answer answer : window->current()->answers()) {
            const std::int64_t value = exercise::rightAnswer(window->current()->task(), answer);
            auto* box = window->findChild<QLineEdit*>(QStringLiteral("answer_") +
                                                      QLatin1String(exercise::answerName(answer)));
            box->setText(QString::number(value));
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::qWait(20);
        EXPECT_TRUE(window->current()->resultCode());
        testing::expectWholeCaptions(*window);
    }
}

TEST(ExerciseCaptions, FitTheirControlsAndSentencesGetTheirLinesWithAnyFont) {
    testing::inEveryLanguageAndFont(&expectEveryLineReadable);
}

} // namespace
} // namespace rsa
