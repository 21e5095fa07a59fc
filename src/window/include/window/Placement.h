#pragma once

// Where a window opened beside the main window goes: to its side, never over
// it. When the screen has room, the two stand side by side without touching
// and the main window keeps its size; when it has not, the main window's
// content goes into a scrolling area (its controls keep their places inside
// it) and the main window gives up what the other needs, so every control
// of the main window can still be reached. Frames drawn by the window
// manager are counted. Any window that opens beside the main one (the step,
// exercise, exchange and real-size windows) uses it.

#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

namespace rsa {

struct Placed {
    QRect main; // frames, in the screen's logical pixels
    QRect other;
    bool mainScrolls = false;
};

// The frames both windows get on a screen whose free area is available,
// for a main window whose frame is mainFrame, another whose frame needs at
// least otherLeast and would like otherWish, and frames that add margins
// (width, height) to a window's size. Pure arithmetic, tested on its own.
Placed placeSideBySide(const QRect& available, QSize mainFrame, QSize otherLeast, QSize otherWish);

// Moves and sizes main and other as placeSideBySide says, on main's screen,
// and lets main's content scroll when it had to shrink. main must be shown.
void placeBeside(QMainWindow& main, QWidget& other, QSize otherWish = QSize(640, 0));

} // namespace rsa
