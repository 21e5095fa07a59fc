// The real-size window keeps the GUI thread free: the race and a key can be
// stopped at once, and the event loop keeps turning while FLINT works. What
// a background job throws is shown, never the end of the program.
#include "realsizewindow/BackgroundJob.h"
#include "realsizewindow/BigAttackPanel.h"
#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeFormat.h"
#include "realsizewindow/RealSizeWindow.h"
#include "texts/RealSizeTexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace rsa {
namespace {

int argc = 1;
char name[] = "real_size_window_test";
char* argv[] = {name, nullptr};

// Starts the race and waits until it measures a point of `bits` or ends by
// itself; in the second case the panel's status says why.
::testing::AssertionResult raceReaches(RacePanel& race, int bits) {
    race.start(512);
    const auto reached = [&] {
        return !race.points().empty() && race.points().back().bits >= bits;
    };
    const bool settled = QTest::qWaitFor([&] { return reached() || !race.busy(); }, 60000);
    if (reached()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << (settled ? "the race ended" : "the race was still running after 60 s") << " at "
           << race.points().size() << " points: " << race.status().toStdString();
}

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
    sinceTick.start();
    ticks.start(10);
    ASSERT_TRUE(raceReaches(race, 136));
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

TEST(RealSizeWindow, TheAttacksStopAtOnceAndNameTheKeysTheyBroke) {
    QApplication app(argc, argv);
    RealSizeWindow window;
    BigAttackPanel& attacks = window.attacks();
    QSignalSpy finished(&attacks, &BigAttackPanel::finished);
    attacks.runSurvey(10000, 1024, 3);
    ASSERT_TRUE(attacks.busy());
    QElapsedTimer stopping;
    stopping.start();
    attacks.cancel();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_LT(stopping.elapsed(), 1000);
    EXPECT_EQ(attacks.status(), QString::fromUtf8(texts::realsize::attackStopped));
    EXPECT_FALSE(attacks.sharing());

    attacks.runSurvey(24, 128, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !attacks.busy(); }, 60000));
    ASSERT_TRUE(attacks.sharing());
    ASSERT_EQ(attacks.sharing()->size(), 4u);
    // The status lists the keys counted from 1, as a class reads them.
    for (const std::size_t key : *attacks.sharing()) {
        EXPECT_TRUE(attacks.status().contains(QString::number(key + 1))) << key;
    }

    std::vector<explain::Section> explained;
    window.setSectionSink([&](explain::Section section) { explained.push_back(section); });
    attacks.runWiener(1024);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !attacks.busy(); }, 60000));
    ASSERT_TRUE(attacks.wiener());
    EXPECT_EQ(attacks.wiener()->end, realsize::AttackEnd::Found);
    EXPECT_FALSE(attacks.sharing());
    // The step window hears of its working on that key, ending in the
    // panel's own words.
    ASSERT_EQ(explained.size(), 1u);
    EXPECT_EQ(explained[0].title, "Gerçek boyutta Wiener saldırısı: 1024 bitlik anahtar");
    EXPECT_EQ(std::get<std::string>(explained[0].groups.at(0).elements.back()),
              attacks.status().toStdString());
}

TEST(BackgroundJob, WhateverTheWorkThrowsIsReportedBeforeItFinishes) {
    QApplication app(argc, argv);
    const std::function<void(const std::atomic<bool>&)> throwers[] = {
        [](const std::atomic<bool>&) { throw std::runtime_error("the disk is full"); },
        [](const std::atomic<bool>&) { throw 7; }};
    const char* reasons[] = {"the disk is full", texts::realsize::unexpectedFailure};
    for (int i = 0; i < 2; ++i) {
        BackgroundJob job;
        QStringList events;
        QObject::connect(&job, &BackgroundJob::failed, &job,
                         [&](const QString& sentence) { events << sentence; });
        QObject::connect(&job, &BackgroundJob::finished, &job,
                         [&] { events << QStringLiteral("finished"); });
        job.start(throwers[i]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !job.running(); }, 5000));
        const QString sentence =
            realsizeformat::fill(texts::realsize::failed, {QString::fromUtf8(reasons[i])});
        EXPECT_EQ(events, (QStringList{sentence, QStringLiteral("finished")}));
    }
}

} // namespace
} // namespace rsa
