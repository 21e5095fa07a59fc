#include "companions/Companions.h"
#include "texts/Texts.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"
#include "window/TerminationSignals.h"
#include "window/Translations.h"
#include "window/WindowRole.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

QtMessageHandler qtHandler = nullptr;
std::string missingDisplay;

// Qt ends the program with an abort when it cannot reach the display; a
// learner is better served by a sentence that says what to do.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::cerr << missingDisplay << '\n';
        std::_Exit(1);
    }
    qtHandler(type, context, text);
}

bool hasGraphicalSession() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hasGraphicalSession()) {
        // --help and --version need no display.
        QCoreApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        const rsa::LaunchOptions options = rsa::readLaunchOptions(arguments);
        rsa::useLanguage(options.language);
        if (options.exitCode) {
            return rsa::printEnding(options, arguments);
        }
        std::cerr << rsa::translated(rsa::texts::needsGraphicalSession).toStdString() << '\n';
        return 1;
    }
    missingDisplay =
        rsa::translatedInto(rsa::askedLanguage(argc, argv), rsa::texts::needsGraphicalSession)
            .toStdString();
    qtHandler = qInstallMessageHandler(reportMissingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // Read after QApplication has taken Qt's own options (-platform, -style, ...).
    const QStringList arguments = QCoreApplication::arguments();
    const rsa::LaunchOptions options = rsa::readLaunchOptions(arguments);
    rsa::useLanguage(options.language);
    if (options.exitCode) {
        return rsa::printEnding(options, arguments);
    }
    rsa::giveTopLevelWidgetsTheWindowRole();
    rsa::quitOnTerminationSignals();
    // Wayland finds the desktop entry, and so the icon and name, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(RSA_APP_ID));
    rsa::MainWindow window;
    window.show();
    // Without their options nothing of the other windows is made.
    rsa::Companions companions(window);
    if (const std::optional<QString> reason = companions.open(options)) {
        std::cerr << rsa::filled(rsa::texts::realSizeUnavailable, {*reason}).toStdString() << '\n';
    }
    return app.exec();
}
