#pragma once

// A program that shows one window and ends as soon as the window is exposed,
// printing its peak memory. The start-up comparison builds it twice, once with
// the real window and once with the smallest reference window, the same way.

#include <QApplication>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <memory>

// openBeside(window) may open windows beside the first, kept open by what it
// returns; every window shown is waited for.
template <typename MakeWindow, typename OpenBeside>
int runStartupProbe(int argc, char** argv, MakeWindow makeWindow, OpenBeside openBeside) {
    QApplication app(argc, argv);
    auto window = makeWindow();
    window->show();
    const auto beside = openBeside(*window);
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->isVisible() && !QTest::qWaitForWindowExposed(shown)) {
            std::fprintf(stderr, "the window was not exposed\n");
            return 1;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kib %ld\n", usage.ru_maxrss);
    return 0;
}

template <typename MakeWindow> int runStartupProbe(int argc, char** argv, MakeWindow makeWindow) {
    return runStartupProbe(argc, argv, makeWindow,
                           [](QWidget&) { return std::unique_ptr<QWidget>(); });
}
