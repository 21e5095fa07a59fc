// The real program's start-up; with --adim-adim, with the step window beside
// the main window, as rsa-demo --adim-adim opens them, and with --alistirma
// with the exercise window beside it.

#include "StartupProbe.h"
#include "exercisewindow/ExerciseWindow.h"
#include "stepwindow/StepWindow.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(
        argc, argv, [] { return std::make_unique<rsa::MainWindow>(); },
        [](rsa::MainWindow& window) {
            std::unique_ptr<QWidget> beside;
            const rsa::LaunchOptions options =
                rsa::readLaunchOptions(QCoreApplication::arguments());
            if (options.stepByStep) {
                beside = rsa::openStepWindow(window);
            } else if (options.exercise.open) {
                beside = rsa::openExerciseWindow(window, options.exercise);
            }
            return beside;
        });
}
