// Every caption of the exchange window can be read whole in every language,
// at each Qt scale the main window's captions are measured at and with a
// desktop font half as large again: a button's text fits inside its frame, a
// one-line label, a part's title and each range in the list fit their width.
// The sentences below each part wrap by design and are left out.

#include "exchangewindow/ExchangeWindow.h"
#include "testing/QtApplication.h"
#include "window/Translations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

namespace rsa {
namespace {

void expectCaptionsFitIn(const QString& language) {
    SCOPED_TRACE(language.toStdString());
    useLanguage(language);
    MainWindow main;
    ExchangeWindow window(main);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), area.width())
            << button->text().toStdString();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty()) {
            continue;
        }
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << label->text().toStdString();
    }
    for (const QGroupBox* part : window.findChildren<QGroupBox*>()) {
        EXPECT_LE(part->fontMetrics().horizontalAdvance(part->title()) +
                      2 * part->fontMetrics().height(),
                  part->width())
            << part->title().toStdString();
    }
    const auto* ranges = window.findChild<QComboBox*>(QStringLiteral("exchangeRange"));
    ASSERT_NE(ranges, nullptr);
    for (int item = 0; item < ranges->count(); ++item) {
        EXPECT_LE(ranges->fontMetrics().horizontalAdvance(ranges->itemText(item)),
                  ranges->width() - ranges->iconSize().width())
            << ranges->itemText(item).toStdString();
    }
}

void expectCaptionsFit() {
    for (const QString& language : availableLanguages()) {
        expectCaptionsFitIn(language);
    }
    useLanguage(sourceLanguage);
}

TEST(ExchangeCaptions, FitInEveryLanguage) {
    expectCaptionsFit();
}

TEST(ExchangeCaptions, StillFitWhenTheDesktopFontIsLarger) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(desktop.pointSizeF() * 1.5);
    QApplication::setFont(large);
    expectCaptionsFit();
    QApplication::setFont(desktop);
}

} // namespace
} // namespace rsa
