// The real-size window keeps the GUI thread free: the race and a key can be
// stopped at once, and the event loop keeps turning while FLINT works.
#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "texts/RealSizeTexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

namespace rsa {
namespace {

int argc = 1;
char name[] = "real_size_window_test";
char* argv[] = {name, nullptr};

TEST(RealSizeWindow, TheRaceRunsOffTheGuiThreadAndStopsAtOnce) {
    QApplication app(argc, argv);
    RealSizeWindow window;
    RacePanel& race = window.race();
    QSignalSpy finished(&race, &RacePanel::finished);
    // A GUI thread blocked by a factorisation would leave gaps of whole
    // seconds between these ticks; the bound is loose for a loaded machine.
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    race.start(512);
    sinceTick.start();
    ticks.start(10);
    QSignalSpy points(&race, &RacePanel::pointMeasured);
    while (race.points().empty() || race.points().back().bits < 136) {
        ASSERT_TRUE(points.wait(30000));
    }
    ticks.stop();
    ::testing::Test::RecordProperty("longest_gap_ms", static_cast<int>(longestGap));
    EXPECT_LT(longestGap, 250);
    QElapsedTimer stopping;
    stopping.start();
    race.stop();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_LT(stopping.elapsed(), 1000);
    EXPECT_EQ(race.status(), QString::fromUtf8(texts::realsize::raceStopped));
    EXPECT_TRUE(race.verdict().contains(QStringLiteral("10¹⁴")));

    KeyPanel& keys = window.keys();
    QSignalSpy keyFinished(&keys, &KeyPanel::finished);
    keys.generate(4096);
    keys.cancel();
    ASSERT_TRUE(keyFinished.wait(5000));
    EXPECT_FALSE(keys.key());
    EXPECT_EQ(keys.status(), QString::fromUtf8(texts::realsize::generationCancelled));
}

} // namespace
} // namespace rsa
