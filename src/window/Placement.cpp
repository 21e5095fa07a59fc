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

// The main window's size with its whole content in view: a main window that
// gave way earlier gets its room back when the windows beside it need less.
QSize ownSize(const QMainWindow& main) {
    if (const auto* scroll = qobject_cast<const QScrollArea*>(main.centralWidget())) {
        return main.size() - scroll->size() + scroll->widget()->size();
    }
    return main.size();
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

Arrangement arrangeBeside(const QRect& available, QSize mainFrame,
                          const std::vector<BesideSize>& beside) {
    Arrangement arranged;
    if (beside.empty()) {
        return arranged;
    }
    // Side by side, each window needs a readable width; stacked, the widest need.
    int sideLeast = 0;
    int sideWish = 0;
    QSize stackLeast;
    QSize stackWish;
    for (const BesideSize& each : beside) {
        const int least = std::max(each.least.width(), besideReadableWidth);
        sideLeast += least;
        sideWish += std::max(least, each.wish.width());
        stackLeast = stackLeast.expandedTo(each.least);
        stackWish = stackWish.expandedTo(each.wish);
    }
    const bool sideBySide = beside.size() > 1 && available.width() - mainFrame.width() >= sideLeast;
    if (beside.size() > 1 && !sideBySide) {
        stackWish.setHeight(available.height());
    }
    const Placed pair =
        sideBySide ? placeSideBySide(available, mainFrame, QSize(sideLeast, stackLeast.height()),
                                     QSize(sideWish, stackWish.height()))
                   : placeSideBySide(available, mainFrame, stackLeast, stackWish);
    arranged.main = pair.main;
    arranged.mainScrolls = pair.mainScrolls;
    const QRect column = pair.other;
    const int count = static_cast<int>(beside.size());
    int left = column.left();
    int top = column.top();
    for (int i = 0; i < count; ++i) {
        const BesideSize& each = beside[static_cast<std::size_t>(i)];
        const bool last = i + 1 == count;
        if (sideBySide) {
            // What the column has beyond the least widths goes to each window
            // in the measure it wished for more.
            const int least = std::max(each.least.width(), besideReadableWidth);
            const int more = std::max(least, each.wish.width()) - least;
            const int width =
                last ? column.right() + 1 - left
                     : least + (sideWish == sideLeast
                                    ? 0
                                    : (column.width() - sideLeast) * more / (sideWish - sideLeast));
            const int height =
                std::min(available.height(),
                         std::max({each.least.height(), pair.main.height(), each.wish.height()}));
            arranged.beside.emplace_back(left, column.top(), width, height);
            left += width;
        } else {
            const int height = last ? column.bottom() + 1 - top : column.height() / count;
            arranged.beside.emplace_back(column.left(), top, column.width(), height);
            top += height;
        }
    }
    return arranged;
}

void placeBeside(QMainWindow& main, const std::vector<BesideWindow>& beside) {
    if (beside.empty()) {
        return;
    }
    const QMargins margins = frameMargins(main);
    const QRect available = main.screen()->availableGeometry();
    const QSize mainSize = ownSize(main);
    std::vector<BesideSize> sizes;
    // A window already shown is moved by its frame, which Qt must know first;
    // one still hidden gets the main window's.
    std::vector<QMargins> frames;
    for (const BesideWindow& each : beside) {
        frames.push_back(each.window->isVisible() ? frameMargins(*each.window) : margins);
    }
    for (std::size_t i = 0; i < beside.size(); ++i) {
        const BesideWindow& each = beside[i];
        QSize wish = each.wish;
        if (wish.height() <= 0) {
            wish.setHeight(mainSize.height());
        }
        sizes.push_back(
            {grown(each.window->minimumSizeHint().expandedTo(each.window->minimumSize()),
                   frames[i]),
             grown(wish, frames[i])});
    }
    const Arrangement arranged = arrangeBeside(available, grown(mainSize, margins), sizes);
    if (arranged.mainScrolls) {
        letContentScroll(main);
    }
    // move() places the frame, resize() the window inside it.
    main.resize(arranged.main.size().shrunkBy(margins));
    main.move(arranged.main.topLeft());
    for (std::size_t i = 0; i < beside.size(); ++i) {
        beside[i].window->resize(arranged.beside[i].size().shrunkBy(frames[i]));
        beside[i].window->move(arranged.beside[i].topLeft());
    }
}

} // namespace rsa
