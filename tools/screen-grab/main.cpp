// rsa-demo-screen-grab OUTPUT.png X Y WIDTH HEIGHT: saves a part of the X
// screen as it shows now, whatever program drew it. The desktop tests use it
// to picture real instances of the program, which no test code runs inside.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s OUTPUT.png X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const auto number = [argv](int index) { return std::atoi(argv[index]); };
    const QPixmap picture =
        QGuiApplication::primaryScreen()->grabWindow(0, number(2), number(3), number(4), number(5));
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
