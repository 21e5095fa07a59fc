// rsa-demo-script: opens the real window without a screen, reads a scenario
// from standard input and prints what happens (see tests/scenarios).

#include "ScriptRunner.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Qt ends the program on a fatal error, for example when no platform plugin
// can be loaded; the window could then not be opened at all.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        defaultHandler(type, context, text);
        return;
    }
    std::cerr << "rsa-demo-script: " << text.toStdString() << '\n';
    std::_Exit(2);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    defaultHandler = qInstallMessageHandler(handleQtMessage);
    QApplication app(argc, argv);
    rsa::script::ScriptRunner runner(std::cout);
    return runner.run(std::cin);
}
