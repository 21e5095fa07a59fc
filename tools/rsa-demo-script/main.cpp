// rsa-demo-script: opens the real window without a screen, reads a scenario
// from standard input and prints what happens (see tests/scenarios).

#include "ScriptRunner.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    rsa::script::ScriptRunner runner(std::cout);
    return runner.run(std::cin);
}
