// The smallest Qt Widgets window with a menu bar and one line edit: what any
// program of this kind costs before it does anything of its own.

#include "StartupProbe.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

#include <memory>

int main(int argc, char** argv) {
    return runStartupProbe(argc, argv, [] {
        auto window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu(QStringLiteral("&file"))->addAction(QStringLiteral("&exit"));
        window->setCentralWidget(new QLineEdit);
        return window;
    });
}
