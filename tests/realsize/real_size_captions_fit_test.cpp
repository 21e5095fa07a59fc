// The real-size window's captions are read whole at every Qt scale the main
// window's are (QT_SCALE_FACTOR), in every language and with a larger desktop
// font, before and after a key is shown.

#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "testing/QtApplication.h"
#include "testing/WholeCaptions.h"
#include "window/Translations.h"

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

} // namespace
} // namespace rsa
