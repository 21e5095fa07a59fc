#pragma once

// For a window's captions test: every label, button, check box and frame
// title of a widget tree shows its whole text at the size the layout gave it,
// measured with the font it is drawn in. A shown window's layout has run.

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace rsa::testing {

inline void expectWholeCaptions(const QWidget& root) {
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisible()) {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        const std::string name = widget->objectName().toStdString();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty()) {
                continue;
            }
            // A wrapped label needs its height for its width, a single line its whole width.
            const QSize needed = label->wordWrap()
                                     ? QSize(0, label->heightForWidth(label->width()))
                                     : metrics.boundingRect(QRect(), 0, label->text()).size();
            EXPECT_LE(needed.width(), label->contentsRect().width()) << label->text().toStdString();
            EXPECT_LE(needed.height(), label->contentsRect().height())
                << label->text().toStdString();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
            EXPECT_LE(metrics.height(), button->height()) << button->text().toStdString();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
            // The title sits between the frame's corners.
            EXPECT_LE(metrics.horizontalAdvance(frame->title()) + 2 * metrics.height(),
                      frame->width())
                << frame->title().toStdString();
        }
    }
}

} // namespace rsa::testing
