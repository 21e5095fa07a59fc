// What keeps the start-up light must not change what the user sees: the
// frames come out pixel for pixel as Fusion draws them, the application font is
// the same after the window is built, and the icon reads a file only when its
// size is asked for, picking the drawing made for that size.

#include "testing/QtApplication.h"
#include "window/FileIconEngine.h"
#include "window/MainWindow.h"

#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QTemporaryDir>

namespace rsa {
namespace {

TEST(LightStart, FramesLookAsFusionDrawsThemAndTheApplicationFontStays) {
    ASSERT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
    const QFont before = QApplication::font();
    MainWindow window;
    EXPECT_EQ(QApplication::font(), before);
    const QList<QGroupBox*> frames = window.findChildren<QGroupBox*>();
    ASSERT_EQ(frames.size(), 2);
    const QImage light = window.grab().toImage();
    for (QGroupBox* frame : frames) {
        ASSERT_NE(frame->style(), QApplication::style()) << "the frames draw as Fusion does anyway";
        frame->setStyle(QApplication::style());
    }
    EXPECT_EQ(light, window.grab().toImage());
}

TEST(LightStart, IconReadsTheDrawingOfASizeOnlyWhenAsked) {
    QTemporaryDir folder;
    const std::map<int, QColor> drawings = {{16, Qt::red}, {24, Qt::green}, {48, Qt::blue}};
    std::map<int, QString> files;
    for (const auto& [size, colour] : drawings) {
        files[size] = folder.filePath(QStringLiteral("icon-%1.png").arg(size));
    }
    // The files are written only after the icon is made: it has read nothing yet.
    const QIcon icon(new FileIconEngine(files));
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {48, 48}}));
    for (const auto& [size, colour] : drawings) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(files[size]));
    }
    // The smallest drawing that covers the size asked for, never larger than asked.
    const struct {
        int asked;
        int shown;
        QColor colour;
    } cases[] = {{16, 16, Qt::red},  {20, 20, Qt::green}, {24, 24, Qt::green},
                 {30, 30, Qt::blue}, {100, 48, Qt::blue}, {8, 8, Qt::red}};
    for (const auto& c : cases) {
        const QImage shown = icon.pixmap(c.asked).toImage();
        EXPECT_EQ(shown.size(), QSize(c.shown, c.shown)) << c.asked;
        EXPECT_EQ(shown.pixelColor(c.shown / 2, c.shown / 2), c.colour) << c.asked;
    }
}

} // namespace
} // namespace rsa
