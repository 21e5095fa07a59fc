// The window's start-up offscreen, and the step window after a long lesson:
// the cost of one more click (a section added and scrolled to), of a fold
// and of a scroll to an old section, with 10, 1,000 and 10,000 sections
// already shown. They must not grow with the number of sections.

#include "cipher/CipherCommands.h"
#include "explain/Explanation.h"
#include "keys/KeyCommands.h"
#include "stepwindow/Handout.h"
#include "stepwindow/StepWindow.h"
#include "testing/RecordingWindow.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <fstream>

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

// The sections of the worked example's four clicks, as a lesson repeats them.
std::vector<explain::Section> lessonSections() {
    WindowVariables vars;
    testing::RecordingWindow window;
    window.typeKey("61", "53", "17");
    window.typeCard("1234", "5678", "9012", "3456");
    std::vector<explain::Section> sections;
    for (const Command& command : {commands::listPrimes, commands::computeKey,
                                   commands::encryptCard, commands::decryptCard}) {
        sections.push_back(*explain::explainCommand(runCommand(command, vars, window), vars));
    }
    return sections;
}

// Resident memory in KiB, from the kernel's own count.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

// A step window already holding state.range(0) sections of the lesson.
struct LongLesson {
    std::vector<explain::Section> lesson = lessonSections();
    testing::RecordingWindow answers;
    StepWindow window{answers};

    explicit LongLesson(benchmark::State& state) {
        window.resize(640, 600);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the step window was not exposed");
        }
        const long before = residentKiB();
        for (long i = 0; i < state.range(0); ++i) {
            window.addSection(lesson[static_cast<std::size_t>(i) % lesson.size()]);
        }
        QCoreApplication::processEvents();
        state.counters["KiB/section"] =
            static_cast<double>(residentKiB() - before) / static_cast<double>(state.range(0));
    }
};

// One click on "şifrele": its section added at the bottom and scrolled to.
void stepWindowClick(benchmark::State& state) {
    LongLesson lesson(state);
    for (auto _ : state) {
        lesson.window.addSection(lesson.lesson[2]);
    }
}
BENCHMARK(stepWindowClick)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

// A click on the title of the newest encryption's second block table, which
// opens it, and on the next round closes it again.
void stepWindowFoldNewest(benchmark::State& state) {
    LongLesson lesson(state);
    lesson.window.addSection(lesson.lesson[2]);
    const std::size_t newest = lesson.window.sectionCount() - 1;
    for (auto _ : state) {
        lesson.window.toggleFold(newest, 2);
    }
}
BENCHMARK(stepWindowFoldNewest)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

// The same in the first encryption of the lesson, with everything after it.
void stepWindowFoldOldest(benchmark::State& state) {
    LongLesson lesson(state);
    for (auto _ : state) {
        lesson.window.toggleFold(2, 2);
    }
}
BENCHMARK(stepWindowFoldOldest)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

// Scrolling to the first section and back to the newest.
void stepWindowScroll(benchmark::State& state) {
    LongLesson lesson(state);
    const std::size_t newest = lesson.window.sectionCount() - 1;
    for (auto _ : state) {
        lesson.window.scrollToSection(0);
        lesson.window.scrollToSection(newest);
    }
}
BENCHMARK(stepWindowScroll)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

// The PDF handout of a long lesson: 100 sections, folded as the window shows
// them, laid out on A4 and drawn (on its own thread in the window).
void handoutPdf100(benchmark::State& state) {
    const std::vector<explain::Section> lesson = lessonSections();
    Handout handout{"tr", "RSA", "Tarih", "Anahtar", {}};
    // Numbered, as the handout prints a section repeated alike only once.
    for (std::size_t i = 0; i < 100; ++i) {
        handout.sections.push_back(lesson[i % lesson.size()]);
        handout.sections.back().title += " " + std::to_string(i + 1);
    }
    for (auto _ : state) {
        PdfProgress progress;
        const std::optional<QByteArray> pdf = handoutPdf(handout, progress);
        state.counters["pages"] = progress.total - 100 - 1;
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(handoutPdf100)->Unit(benchmark::kMillisecond)->Iterations(3);

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
