// The real-size window's captions are read whole at every Qt scale the main
// window's are (QT_SCALE_FACTOR), in every language and with a larger desktop
// font, before and after a key is shown; and as narrow as it stands beside
// the main window on a 1366 x 768 screen, its parts in one column, nothing
// scrolls sideways.

#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "testing/QtApplication.h"
#include "testing/WholeCaptions.h"
#include "window/Translations.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

namespace rsa {
namespace {

TEST(RealSizeCaptions, FitInEveryLanguageAndWithALargerDesktopFont) {
    testing::inEveryLanguageAndFont([] {
        RealSizeWindow window;
        window.show();
        testing::expectWholeCaptions(window);
        QSignalSpy finished(&window.keys(), &KeyPanel::finished);
        window.keys().generate(64);
        ASSERT_TRUE(finished.count() > 0 || finished.wait(30000));
        // The layout takes the new status sentence in at its next turn.
        QApplication::processEvents();
        testing::expectWholeCaptions(window);
    });
}

TEST(RealSizeCaptions, BesideTheMainWindowOnASmallScreenNothingScrollsSideways) {
    // The width the placement gives the window beside the main one at 1366 x 768.
    constexpr int besideWidth = 554;
    testing::inEveryLanguageAndFont([] {
        RealSizeWindow window;
        window.resize(besideWidth, 700);
        window.show();
        QApplication::processEvents();
        const auto* scroll = window.findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
        testing::expectWholeCaptions(window);
    });
}

} // namespace
} // namespace rsa
