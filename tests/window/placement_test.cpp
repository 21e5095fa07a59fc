// Where the windows beside the main window go, as arithmetic on frames: side
// by side when the screen has room, else the main window gives way and
// scrolls; several share one column, side by side or stacked; never
// overlapping, never off the free area.

#include "window/Placement.h"

#include <gtest/gtest.h>

namespace rsa {
namespace {

TEST(PlaceSideBySide, NeverOverlapsAndKeepsTheMainWindowWholeWhenItCan) {
    const QSize mainFrame(812, 631);
    const QSize least(300, 200);
    const QSize wish(642, 631);
    const struct {
        QRect screen;
        QSize main;
        bool mainScrolls;
        int otherWidth;
    } cases[] = {
        // Room for both as they wish: the pair in the middle.
        {QRect(0, 0, 1920, 1080), mainFrame, false, 642},
        // The other takes what is left beside the whole main window.
        {QRect(0, 0, 1366, 768), mainFrame, false, 554},
        // A panel on the left and at the top: only the free area counts.
        {QRect(64, 30, 1302, 738), mainFrame, false, 490},
        // Too narrow for both: the main window gives way, the other keeps
        // a third of the screen.
        {QRect(0, 0, 1050, 700), QSize(700, 631), true, 350},
        // Too low for the main window alone.
        {QRect(0, 0, 1600, 500), QSize(812, 500), true, 642},
        // The other's least width wins over a third of the screen (twice
        // the scale on 1600 x 1000: 800 x 500 logical pixels).
        {QRect(0, 0, 800, 500), QSize(500, 500), true, 300},
    };
    for (const auto& each : cases) {
        const Placed placed = placeSideBySide(each.screen, mainFrame, least, wish);
        const std::string where =
            std::to_string(each.screen.width()) + "x" + std::to_string(each.screen.height());
        EXPECT_EQ(placed.main.size(), each.main) << where;
        EXPECT_EQ(placed.mainScrolls, each.mainScrolls) << where;
        EXPECT_EQ(placed.other.width(), each.otherWidth) << where;
        EXPECT_FALSE(placed.main.intersects(placed.other)) << where;
        EXPECT_TRUE(each.screen.contains(placed.main)) << where;
        EXPECT_TRUE(each.screen.contains(placed.other)) << where;
        EXPECT_EQ(placed.main.right() + 1, placed.other.left()) << where;
        EXPECT_GE(placed.other.height(), std::min(placed.main.height(), each.screen.height()))
            << where;
    }
}

TEST(ArrangeBeside, SeveralShareTheColumnWithoutCoveringEachOtherOrTheMainWindow) {
    const QSize mainFrame(812, 631);
    const BesideSize steps{QSize(300, 200), QSize(642, 631)};
    const BesideSize exchange{QSize(250, 150), QSize(791, 853)};
    const BesideSize exercise{QSize(350, 150), QSize(1102, 785)};
    const struct {
        QRect screen;
        std::vector<BesideSize> beside;
        bool stacked;
        bool mainScrolls;
    } cases[] = {
        // Room for two readable widths beside the main window.
        {QRect(0, 0, 1920, 1080), {steps, exchange}, false, false},
        // Not for three: a column of three.
        {QRect(0, 0, 1920, 1080), {steps, exchange, exercise}, true, false},
        {QRect(0, 0, 1366, 768), {steps, exercise}, true, false},
        // No room even for the column: the main window gives way.
        {QRect(0, 0, 800, 500), {steps, exchange}, true, true},
    };
    for (const auto& each : cases) {
        const Arrangement arranged = arrangeBeside(each.screen, mainFrame, each.beside);
        const std::string where = std::to_string(each.screen.width()) + "x" +
                                  std::to_string(each.screen.height()) + " with " +
                                  std::to_string(each.beside.size());
        ASSERT_EQ(arranged.beside.size(), each.beside.size()) << where;
        EXPECT_EQ(arranged.mainScrolls, each.mainScrolls) << where;
        EXPECT_EQ(arranged.main.size() == mainFrame, !each.mainScrolls) << where;
        EXPECT_TRUE(each.screen.contains(arranged.main)) << where;
        int column = 0;
        for (std::size_t i = 0; i < arranged.beside.size(); ++i) {
            const QRect& window = arranged.beside[i];
            EXPECT_TRUE(each.screen.contains(window)) << where;
            EXPECT_FALSE(window.intersects(arranged.main)) << where;
            for (std::size_t j = i + 1; j < arranged.beside.size(); ++j) {
                EXPECT_FALSE(window.intersects(arranged.beside[j])) << where;
            }
            if (each.stacked) {
                EXPECT_EQ(window.left(), arranged.main.right() + 1) << where;
                column += window.height();
            } else {
                EXPECT_GE(window.width(), besideReadableWidth) << where;
                EXPECT_EQ(window.top(), arranged.main.top()) << where;
                column += window.width();
            }
        }
        // The column is shared out whole.
        EXPECT_EQ(column, each.stacked
                              ? each.screen.height()
                              : arranged.beside.back().right() + 1 - arranged.beside.front().left())
            << where;
    }
}

} // namespace
} // namespace rsa
