// The real program's start-up; with --adim-adim, with the step window beside
// the main window, as rsa-demo --adim-adim opens them, and with --alistirma
// with the exercise window beside it.

#include "StartupProbe.h"
#include "companions/Companions.h"
#include "window/LaunchOptions.h"
#include "window/MainWindow.h"

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(
        argc, argv, [] { return std::make_unique<rsa::MainWindow>(); },
        [](rsa::MainWindow& window) {
            auto beside = std::make_unique<rsa::Companions>(window);
            beside->open(rsa::readLaunchOptions(QCoreApplication::arguments()));
            return beside;
        });
}
