#pragma once

// How screen readers see the program's windows. The windows beside the main
// one (steps, exchange, exercise, real size) are plain top-level widgets, to
// which Qt's accessibility gives the role of a part inside a window: a screen
// reader then neither announces them as windows nor reads their titles when
// they come to the front. Installed once, before any window is made, this
// gives each of them the role of a window.

namespace rsa {

void giveTopLevelWidgetsTheWindowRole();

} // namespace rsa
