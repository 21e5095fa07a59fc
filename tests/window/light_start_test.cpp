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

TEST(LightStart, IconReadsADrawingOnlyWhenItsSizeIsAskedFor) {
    QTemporaryDir folder;
    const std::map<int, QString> files = {{16, folder.filePath(QStringLiteral("16.png"))},
                                          {48, folder.filePath(QStringLiteral("48.png"))}};
    // Made before its files exist: an icon that read them now would show nothing.
    const QIcon icon(new FileIconEngine(files));
    for (const auto& [size, file] : files) {
        QImage drawing(size, size, QImage::Format_ARGB32);
        drawing.fill(size == 16 ? Qt::red : Qt::blue);
        ASSERT_TRUE(drawing.save(file));
    }
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    // Between two drawings the larger one, scaled down; never larger than asked.
    EXPECT_EQ(icon.pixmap(20).toImage().pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(icon.pixmap(20).size(), QSize(20, 20));
    EXPECT_EQ(icon.pixmap(100).size(), QSize(48, 48));
}

} // namespace
} // namespace rsa
