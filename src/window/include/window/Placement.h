#pragma once

// Where the windows beside the main window go: to its side, never over it.
// Every window that opens beside the main one (the step, exchange, real-size
// and exercise windows, and the exercise's solution) is placed by this one
// rule, each time one of them opens or closes:
//
// - They share one column to the right of the main window. In the column
//   they stand side by side, in the order they opened, when each gets
//   besideReadableWidth or its own least width, whichever is more; else they
//   are stacked, each with an equal part of the screen's height.
// - The main window and the column are then placed as two windows: when the
//   screen has room, they stand side by side without touching, in the middle
//   of the free area, and the main window keeps its size; when it has not,
//   the main window's content goes into a scrolling area (its controls keep
//   their places inside it) and the main window gives up what the column
//   needs (a third of the screen, half at most), so every control of the
//   main window can still be reached.
//
// Each window beside the main one scrolls its own content, so it can be
// made as small as the rule needs. Frames drawn by the window manager are
// counted.

#include <QRect>
#include <QSize>

#include <vector>

class QMainWindow;
class QWidget;

namespace rsa {

// Below this width (logical pixels, frame included) two windows beside the
// main one are stacked rather than squeezed side by side.
inline constexpr int besideReadableWidth = 400;

struct Placed {
    QRect main; // frames, in the screen's logical pixels
    QRect other;
    bool mainScrolls = false;
};

// The frames two windows get on a screen whose free area is available, for
// a main window whose frame is mainFrame and another whose frame needs at
// least otherLeast and would like otherWish. Pure arithmetic.
Placed placeSideBySide(const QRect& available, QSize mainFrame, QSize otherLeast, QSize otherWish);

// What a window beside the main one needs and would like, frame included.
struct BesideSize {
    QSize least;
    QSize wish;
};

struct Arrangement {
    QRect main;
    std::vector<QRect> beside; // in the order of the sizes asked for
    bool mainScrolls = false;
};

// The frames of the main window and of every window beside it, by the rule
// above. Pure arithmetic, tested on its own.
Arrangement arrangeBeside(const QRect& available, QSize mainFrame,
                          const std::vector<BesideSize>& beside);

// A window beside the main one and the size it would like (its client
// area); a height of 0 asks for the main window's height.
struct BesideWindow {
    QWidget* window;
    QSize wish;
};

// Moves and sizes main and the windows beside it as arrangeBeside says, on
// main's screen, and lets main's content scroll when it had to shrink. main
// must be shown; a window beside it may still be hidden, and is then placed
// before it shows.
void placeBeside(QMainWindow& main, const std::vector<BesideWindow>& beside);

} // namespace rsa
