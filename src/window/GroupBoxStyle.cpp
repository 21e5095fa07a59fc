#include "GroupBoxStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace rsa {

namespace {

// Fusion's frame image and the margin of it that is drawn unstretched.
const QString frameImage =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
constexpr int frameMargin = 6;

} // namespace

GroupBoxStyle::GroupBoxStyle(QColor middle)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))), m_middle(middle) {}

GroupBoxStyle* GroupBoxStyle::forApplicationStyle(QObject* owner) {
    if (QApplication::style()->name() != QLatin1String("fusion")) {
        return nullptr;
    }
    const QImage image(frameImage);
    if (image.width() <= 2 * frameMargin || image.height() <= 2 * frameMargin) {
        return nullptr;
    }
    auto* style = new GroupBoxStyle(image.pixelColor(image.width() / 2, image.height() / 2));
    style->setParent(owner);
    return style;
}

void GroupBoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion starts the frame below the title, at most the title's height and
    // a few pixels down; twice the title's height is safely inside the middle.
    const int title = std::max(option->fontMetrics.height(),
                               pixelMetric(PM_ExclusiveIndicatorHeight, option, widget));
    const QRect middle =
        option->rect.adjusted(frameMargin, 2 * title + frameMargin, -frameMargin, -frameMargin);
    if (middle.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setClipRegion(QRegion(option->rect).subtracted(middle), Qt::IntersectClip);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->restore();
    painter->fillRect(middle, m_middle);
}

} // namespace rsa
