// Makes the README's pictures: the worked example carried out through the
// window's own buttons, then the window as the screen shows it. The program's
// options may follow the file name: --lang en for the English window,
// --adim-adim for both windows side by side, --gercek-boyut for the real-size
// window after a 2048-bit key, the contrast for the README's sentence and the
// race past 200 bits.

#include "realsizewindow/KeyPanel.h"
#include "realsizewindow/RacePanel.h"
#include "realsizewindow/RealSizeWindow.h"
#include "realsizewindow/TextPanel.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"
#include "window/Translations.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

// The race's last point is the one that ran past its limit, or this size.
constexpr int raceBits = 232;

template <typename Part> bool waitUntilFinished(Part& part, int seconds) {
    QSignalSpy finished(&part, &Part::finished);
    return finished.count() > 0 || finished.wait(seconds * 1000);
}

int realSizePicture(const QString& output) {
    rsa::RealSizeWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    window.keys().generate(2048);
    if (!waitUntilFinished(window.keys(), 60)) {
        return 1;
    }
    window.text().encrypt(QStringLiteral("Merhaba dünya, şifreli selamlar!"));
    if (!waitUntilFinished(window.text(), 60)) {
        return 1;
    }
    window.race().start(raceBits);
    if (!waitUntilFinished(window.race(), 600)) {
        return 1;
    }
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(0).copy(window.frameGeometry());
    return picture.save(output) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [OPTIONS]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(1);
    const rsa::LaunchOptions options = rsa::readLaunchOptions(arguments);
    rsa::useLanguage(options.language);
    if (options.exitCode) {
        return rsa::printEnding(options, arguments);
    }
    if (options.realSize) {
        return realSizePicture(QString::fromLocal8Bit(argv[1]));
    }
    rsa::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    std::unique_ptr<rsa::StepWindow> steps;
    if (options.stepByStep) {
        steps = rsa::openStepWindow(window);
        if (!QTest::qWaitForWindowExposed(steps.get())) {
            return 1;
        }
    }
    using rsa::TextBox;
    window.writeText(TextBox::txtP, "61");
    window.writeText(TextBox::txtQ, "53");
    window.writeText(TextBox::txtpublic, "17");
    window.writeText(TextBox::txt1, "1234");
    window.writeText(TextBox::txt2, "5678");
    window.writeText(TextBox::txt3, "9012");
    window.writeText(TextBox::txt4, "3456");
    // The clicks go through the window's buttons, so that the step window
    // hears of each command as it would from a learner; the focus stays where
    // it was, as in the picture of the window alone.
    QWidget* focused = QApplication::focusWidget();
    for (const char* button : {"cmdPrime", "Command2", "cmdHesapla", "cmdenc", "cmddec"}) {
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
    }
    if (focused != nullptr) {
        focused->setFocus();
    }
    if (steps) {
        // The key: the Euclid table for 17 and 3120, ending in d = 2753.
        steps->scrollToSection(2);
    }
    QTest::qWait(300);
    QRect area = window.frameGeometry();
    if (steps) {
        area = area.united(steps->frameGeometry());
    }
    const QPixmap picture = window.screen()->grabWindow(0).copy(area);
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
