// Every caption and sentence of the exchange window can be read whole in
// every language, at each Qt scale the main window's captions are measured at
// and with a desktop font half as large again: a one-line caption fits its
// control, a wrapped sentence has the height its lines need, and each range
// fits the range box.

#include "exchangewindow/ExchangeWindow.h"
#include "testing/QtApplication.h"
#include "testing/WholeCaptions.h"
#include "window/Translations.h"

#include <QTest>

namespace rsa {
namespace {

TEST(ExchangeCaptions, FitInEveryLanguageAndWithALargerDesktopFont) {
    testing::inEveryLanguageAndFont([] {
        MainWindow main;
        ExchangeWindow window(main);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        testing::expectWholeCaptions(window);
    });
}

} // namespace
} // namespace rsa
