// How long each command's logic takes, against the recording window: no
// widgets, no painting, no dialogs.

#include "cipher/CipherCommands.h"
#include "explain/Explanation.h"
#include "keys/KeyCommands.h"
#include "menu/MenuCommands.h"
#include "operations/CommandRunner.h"
#include "testing/RecordingWindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace rsa {
namespace {

using testing::RecordingWindow;

struct Setup {
    WindowVariables vars;
    RecordingWindow window;

    Setup(const char* p, const char* q, const char* e = "") { window.typeKey(p, q, e); }
};

void primeListing(benchmark::State& state) {
    Setup setup("", "");
    for (auto _ : state) {
        listPrimes(setup.vars, setup.window);
    }
}
BENCHMARK(primeListing);

void randomPair(benchmark::State& state) {
    Setup setup("", "");
    for (auto _ : state) {
        drawPrimePair(setup.vars, setup.window);
    }
}
BENCHMARK(randomPair);

void factors(benchmark::State& state, const char* p, const char* q) {
    Setup setup(p, q);
    for (auto _ : state) {
        setup.window.boxes[TextBox::txtcarpan].clear();
        listPhiDivisors(setup.vars, setup.window);
    }
}
BENCHMARK_CAPTURE(factors, m_60, "7", "11");
BENCHMARK_CAPTURE(factors, m_2147483646, "2", "2147483647")->Unit(benchmark::kMicrosecond);

void keyComputation(benchmark::State& state, const char* p, const char* q, const char* e) {
    Setup setup(p, q, e);
    for (auto _ : state) {
        computeKey(setup.vars, setup.window);
    }
    if (!setup.window.messages.empty()) {
        state.SkipWithError("the key was not accepted");
    }
}
BENCHMARK_CAPTURE(keyComputation, phi_60, "7", "11", "7");
BENCHMARK_CAPTURE(keyComputation, phi_2146561536, "46327", "46337", "2147483647");
BENCHMARK_CAPTURE(keyComputation, phi_2147483646, "2", "2147483647", "2147483629");

// A card number with n = 46327 * 46337, just below 2^31, and an exponent
// just below 2^31.
Setup cipherSetup() {
    Setup setup("46327", "46337", "2147483647");
    computeKey(setup.vars, setup.window);
    setup.window.typeCard("1234", "5678", "9012", "3456");
    return setup;
}

void encryption(benchmark::State& state) {
    Setup setup = cipherSetup();
    for (auto _ : state) {
        setup.window.boxes[TextBox::txtdecmsj].clear();
        encryptCard(setup.vars, setup.window);
    }
}
BENCHMARK(encryption);

void decryption(benchmark::State& state) {
    Setup setup = cipherSetup();
    encryptCard(setup.vars, setup.window);
    for (auto _ : state) {
        setup.window.boxes[TextBox::decrypttxt].clear();
        decryptCard(setup.vars, setup.window);
    }
}
BENCHMARK(decryption);

// The step window's explanation of that encryption: eight 31-row tables, the
// attacker's 100 blocks and the factoring of n by trial division.
void encryptionExplained(benchmark::State& state) {
    Setup setup = cipherSetup();
    const CommandRecord record = runCommand(commands::encryptCard, setup.vars, setup.window);
    for (auto _ : state) {
        benchmark::DoNotOptimize(explain::explainCommand(record, setup.vars));
    }
}
BENCHMARK(encryptionExplained)->Unit(benchmark::kMicrosecond);

void save(benchmark::State& state) {
    Setup setup = cipherSetup();
    encryptCard(setup.vars, setup.window);
    const std::string path =
        (std::filesystem::temp_directory_path() / "rsa-demo-bench.ENC").string();
    for (auto _ : state) {
        setup.window.fileAnswers.push_back(path);
        saveCipherText(setup.vars, setup.window);
    }
    std::filesystem::remove(path);
}
BENCHMARK(save)->Unit(benchmark::kMicrosecond);

void about(benchmark::State& state) {
    Setup setup("", "");
    for (auto _ : state) {
        openAboutPage(setup.vars, setup.window);
        setup.window.openedPages.clear();
    }
}
BENCHMARK(about);

void exitCommand(benchmark::State& state) {
    Setup setup("", "");
    for (auto _ : state) {
        exitProgram(setup.vars, setup.window);
    }
}
BENCHMARK(exitCommand);

} // namespace
} // namespace rsa
