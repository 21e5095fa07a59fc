#pragma once

// A program that shows one window and ends as soon as the window is exposed,
// printing its peak memory. The start-up comparison builds it twice, once with
// the real window and once with the smallest reference window, the same way.

#include <QApplication>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>

template <typename MakeWindow> int runStartupProbe(int argc, char** argv, MakeWindow makeWindow) {
    QApplication app(argc, argv);
    auto window = makeWindow();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::fprintf(stderr, "the window was not exposed\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kib %ld\n", usage.ru_maxrss);
    return 0;
}
