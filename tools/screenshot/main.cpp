// Makes the README's picture of the window: a learner's usual road (a random
// pair, a public exponent, a card number encrypted and decrypted) carried out
// through the window's own commands, then the window as the screen shows it.
// The program's options may follow the file name (--lang en).

#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [OPTIONS]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(1);
    const rsa::LaunchOptions options = rsa::readLaunchOptions(arguments);
    if (options.exitCode) {
        return rsa::printEnding(options);
    }
    rsa::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    using rsa::TextBox;
    window.writeText(TextBox::txtP, "61");
    window.writeText(TextBox::txtQ, "53");
    window.writeText(TextBox::txtpublic, "17");
    window.writeText(TextBox::txt1, "1234");
    window.writeText(TextBox::txt2, "5678");
    window.writeText(TextBox::txt3, "9012");
    window.writeText(TextBox::txt4, "3456");
    for (rsa::Command command : {&rsa::listPrimes, &rsa::listPhiDivisors, &rsa::computeKey,
                                 &rsa::encryptCard, &rsa::decryptCard}) {
        rsa::runCommand(command, window.variables(), window);
    }
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(0).copy(window.frameGeometry());
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
