// The real program's start-up; with --adim-adim, with the step window beside
// the main window, as rsa-demo --adim-adim opens them.

#include "StartupProbe.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(
        argc, argv, [] { return std::make_unique<rsa::MainWindow>(); },
        [](rsa::MainWindow& window) {
            std::unique_ptr<QWidget> steps;
            if (rsa::readLaunchOptions(QCoreApplication::arguments()).stepByStep) {
                steps = rsa::openStepWindow(window);
            }
            return steps;
        });
}
