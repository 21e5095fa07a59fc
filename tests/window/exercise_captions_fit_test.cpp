// Every caption and sentence of the exercise window can be read whole at any
// Qt scale, in every language, with every line showing (a sentence for each
// answer, the teacher's view, the result code): a one-line caption fits its
// control, a wrapped sentence has the height its lines need, and every level
// fits the level box. Run once per scale (QT_SCALE_FACTOR), as the main
// window's caption test is, and with a desktop font half as large again.

#include "exercisewindow/ExerciseWindow.h"
#include "testing/QtApplication.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

namespace rsa {
namespace {

using exercise::Kind;

void expectReadable(const QWidget& window) {
    for (const auto* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window)) {
            continue;
        }
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect text =
            QFontMetrics(button->font()).boundingRect(area, Qt::AlignCenter, button->text());
        EXPECT_TRUE(area.contains(text)) << button->text().toStdString() << " needs "
                                         << text.width() << ", has " << area.width();
    }
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) {
            continue;
        }
        const QRect area = label->contentsRect();
        if (label->wordWrap()) {
            EXPECT_GE(area.height(),
                      label->heightForWidth(label->width()) - (label->height() - area.height()))
                << label->text().toStdString();
            continue;
        }
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), area.width())
            << label->text().toStdString();
        EXPECT_LE(metrics.height(), area.height()) << label->text().toStdString();
    }
    for (const auto* box : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(box->itemText(i)), field.width())
                << box->itemText(i).toStdString();
        }
    }
}

void expectEveryLineReadableIn(const QString& language) {
    SCOPED_TRACE(language.toStdString());
    useLanguage(language);
    MainWindow main;
    main.show();
    for (const char* code : {"GK5MEG7A", "SZ23456"}) {
        LaunchOptions::Exercise options;
        options.open = true;
        options.code = QString::fromLatin1(code);
        options.teacher = true;
        // The attacker's code is refused (seven characters): the refusal shows
        // above a new attacker's task.
        options.attacker = true;
        const std::unique_ptr<ExerciseWindow> window = openExerciseWindow(main, options);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        for (auto* box : window->findChildren<QLineEdit*>()) {
            if (box->objectName().startsWith(QStringLiteral("answer_"))) {
                box->setText(QStringLiteral("-1"));
                QTest::keyClick(box, Qt::Key_Return);
            }
        }
        QTest::qWait(20);
        expectReadable(*window);
        // Every answer right: the result code and every mark.
        const std::optional<exercise::TeacherView> teacher = window->teacherView();
        ASSERT_TRUE(teacher);
        for (const auto& [answer, value] : teacher->answers) {
            auto* box = window->findChild<QLineEdit*>(QStringLiteral("answer_") +
                                                      QLatin1String(exercise::answerName(answer)));
            box->setText(QString::number(value));
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::qWait(20);
        EXPECT_TRUE(window->current()->resultCode());
        expectReadable(*window);
    }
}

void expectEveryLineReadable() {
    for (const QString& language : availableLanguages()) {
        expectEveryLineReadableIn(language);
    }
    useLanguage(sourceLanguage);
}

TEST(ExerciseCaptions, FitTheirControlsAndSentencesGetTheirLines) {
    expectEveryLineReadable();
}

TEST(ExerciseCaptions, StillFitWhenTheDesktopFontIsLarger) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(desktop.pointSizeF() * 1.5);
    QApplication::setFont(large);
    expectEveryLineReadable();
    QApplication::setFont(desktop);
}

} // namespace
} // namespace rsa
