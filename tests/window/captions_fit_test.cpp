// Every caption can be read whole at any Qt scale, in every language:
// measured with the font it is drawn in, it fits its control and no other
// control covers it. Run once per scale (QT_SCALE_FACTOR), and with a desktop
// font half as large again.

#include "controls/ControlTable.h"
#include "testing/QtApplication.h"
#include "testing/WholeCaptions.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>

namespace rsa {
namespace {

// Where the caption's text is drawn, in the control's parent's coordinates.
QRect captionRect(const QWidget* widget, const QString& caption) {
    const QFontMetrics metrics(widget->font());
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect text = metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
        EXPECT_TRUE(area.contains(text))
            << caption.toStdString() << " needs " << text.width() << "x" << text.height()
            << ", has " << area.width() << "x" << area.height();
        return text.translated(widget->pos());
    }
    // Labels and frame titles are one line: a wrapped label hides its second line.
    const QRect area = widget->contentsRect();
    const QRect text(area.topLeft(), QSize(metrics.horizontalAdvance(caption), metrics.height()));
    EXPECT_LE(text.width(),
              area.width() - (qobject_cast<const QGroupBox*>(widget) ? 2 * metrics.height() : 0))
        << caption.toStdString();
    EXPECT_LE(text.height(), area.height()) << caption.toStdString();
    return text.translated(widget->pos());
}

void expectEveryCaptionReadable() {
    MainWindow window;
    window.show();
    for (const ControlSpec& control : controlTable) {
        if (*control.caption == '\0') {
            continue;
        }
        const auto* widget =
            window.findChild<QWidget*>(QString::fromUtf8(control.name.data(), control.name.size()));
        ASSERT_NE(widget, nullptr) << control.name;
        const QString caption = translated(control.caption);
        const QRect text = captionRect(widget, caption);
        if (control.kind == ControlKind::Frame) {
            continue;
        }
        for (const QObject* child : widget->parentWidget()->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(child);
            if (sibling != nullptr && sibling != widget &&
                !qobject_cast<const QGroupBox*>(sibling)) {
                EXPECT_FALSE(sibling->geometry().intersects(text))
                    << caption.toStdString() << " is covered by "
                    << sibling->objectName().toStdString();
            }
        }
    }
    for (QAction* menu : window.menuBar()->actions()) {
        const QRect item = window.menuBar()->actionGeometry(menu);
        EXPECT_TRUE(window.menuBar()->rect().contains(item)) << menu->text().toStdString();
        EXPECT_GE(item.width(), QFontMetrics(window.menuBar()->font())
                                    .horizontalAdvance(QString(menu->text()).remove('&')));
    }
}

TEST(Captions, FitTheirControlsAndNothingCoversThem) {
    testing::inEveryLanguageAndFont(&expectEveryCaptionReadable);
}

} // namespace
} // namespace rsa
