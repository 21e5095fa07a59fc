#include "window/Placement.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include <algorithm>

namespace rsa {

namespace {

// The window manager draws its frame around a window after it is shown, and
// the frame's size reaches the window a moment after it is first exposed;
// until then the frame is the window's own rectangle. Waits for both,
// briefly: without a window manager no frame ever comes.
QMargins frameMargins(QWidget& window) {
    QWindow* handle = window.windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (handle != nullptr && !handle->isExposed() && waited.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    waited.restart();
    while (window.frameGeometry() == window.geometry() && waited.elapsed() < 100 &&
           QGuiApplication::platformName() == QLatin1String("xcb")) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

QSize grown(QSize size, const QMargins& margins) {
    return size.grownBy(margins);
}

// The main window's client area, which keeps its size, inside a scrolling area.
void letContentScroll(QMainWindow& main) {
    if (qobject_cast<QScrollArea*>(main.centralWidget()) != nullptr) {
        return;
    }
    QWidget* focused = main.focusWidget();
    QWidget* client = main.centralWidget();
    const QSize size = client->size();
    main.takeCentralWidget();
    auto* scroll = new QScrollArea(&main);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(client);
    client->resize(size);
    main.setCentralWidget(scroll);
    if (focused != nullptr) {
        focused->setFocus();
    }
}

} // namespace

Placed placeSideBySide(const QRect& available, QSize mainFrame, QSize otherLeast, QSize otherWish) {
    Placed placed;
    const int width = available.width();
    int mainWidth = mainFrame.width();
    int otherWidth = std::clamp(width - mainWidth, otherLeast.width(),
                                std::max(otherLeast.width(), otherWish.width()));
    if (mainWidth + otherWidth > width) {
        // The main window gives up what the other needs, and half the screen at most.
        otherWidth = std::max(otherLeast.width(), std::min(width / 3, otherWish.width()));
        otherWidth = std::min(otherWidth, width / 2);
        mainWidth = width - otherWidth;
    }
    const int mainHeight = std::min(mainFrame.height(), available.height());
    const int otherHeight = std::min(
        available.height(), std::max({otherLeast.height(), mainHeight, otherWish.height()}));
    placed.mainScrolls = mainWidth < mainFrame.width() || mainHeight < mainFrame.height();
    // The pair in the middle of the free area, the main window on the left.
    const int left = available.left() + (width - mainWidth - otherWidth) / 2;
    placed.main = QRect(left, available.top(), mainWidth, mainHeight);
    placed.other = QRect(left + mainWidth, available.top(), otherWidth, otherHeight);
    return placed;
}

void placeBeside(QMainWindow& main, QWidget& other, QSize otherWish) {
    const QMargins margins = frameMargins(main);
    const QRect available = main.screen()->availableGeometry();
    if (otherWish.height() <= 0) {
        otherWish.setHeight(main.height());
    }
    const Placed placed =
        placeSideBySide(available, grown(main.size(), margins),
                        grown(other.minimumSizeHint().expandedTo(other.minimumSize()), margins),
                        grown(otherWish, margins));
    if (placed.mainScrolls) {
        letContentScroll(main);
    }
    // move() places the frame, resize() the window inside it.
    main.resize(placed.main.size().shrunkBy(margins));
    main.move(placed.main.topLeft());
    other.resize(placed.other.size().shrunkBy(margins));
    other.move(placed.other.topLeft());
}

} // namespace rsa
