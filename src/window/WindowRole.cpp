#include "window/WindowRole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace rsa {

namespace {

// Qt asks each factory for every class of a widget, the most derived first;
// "QWidget" is reached only by a widget no class of its own describes.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (widget->windowType() != Qt::Window) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void giveTopLevelWidgetsTheWindowRole() {
    QAccessible::installFactory(&windowInterface);
}

} // namespace rsa
