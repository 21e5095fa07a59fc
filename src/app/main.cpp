#include "window/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rsa::MainWindow window;
    window.show();
    return app.exec();
}
