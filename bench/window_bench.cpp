// The window's start-up offscreen: building every control and the menu,
// showing the window and handling the events that follow, until it is exposed.

#include "window/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace rsa {
namespace {

void windowStartUp(benchmark::State& state) {
    for (auto _ : state) {
        MainWindow window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was not exposed");
        }
    }
}
BENCHMARK(windowStartUp)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace rsa

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
