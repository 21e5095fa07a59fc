#include "StartupProbe.h"
#include "window/MainWindow.h"

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(argc, argv, [] { return std::make_unique<rsa::MainWindow>(); });
}
