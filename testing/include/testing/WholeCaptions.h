#pragma once

// For a window's captions test: every push button, check box, label, frame
// title and list entry of a widget tree shows its whole text at the size the
// layout gave it, measured with the font it is drawn in; a wrapped sentence
// has the height its lines need. Measure a shown window whose layout has run.
// inEveryLanguageAndFont runs such a check in every language the program has,
// at the desktop's font and at one half as large again.

#include "window/Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <functional>

namespace rsa::testing {

inline void expectWholeCaptions(const QWidget& window) {
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
    for (const auto* box : window.findChildren<QCheckBox*>()) {
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    }
    for (const auto* frame : window.findChildren<QGroupBox*>()) {
        // The title sits between the frame's corners.
        const QFontMetrics metrics(frame->font());
        EXPECT_LE(metrics.horizontalAdvance(frame->title()) + 2 * metrics.height(), frame->width())
            << frame->title().toStdString();
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

inline void inEveryLanguageAndFont(const std::function<void()>& check) {
    const QFont desktop = QApplication::font();
    for (double scale : {1.0, 1.5}) {
        QFont font = desktop;
        font.setPointSizeF(desktop.pointSizeF() * scale);
        QApplication::setFont(font);
        for (const QString& language : availableLanguages()) {
            SCOPED_TRACE(language.toStdString() + " at " + std::to_string(scale));
            useLanguage(language);
            check();
        }
    }
    QApplication::setFont(desktop);
    useLanguage(sourceLanguage);
}

} // namespace rsa::testing
