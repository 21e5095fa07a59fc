// Real-size RSA: how long a key takes, and how long the factoring race's
// child process needs against FLINT called alone in this process, both on a
// fresh balanced n for every iteration.

#include "realsize/BigKey.h"
#include "realsize/Factoring.h"

#include <benchmark/benchmark.h>

#include <flint/fmpz.h>
#include <flint/fmpz_factor.h>

#include <unistd.h>

#include <filesystem>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

void keyGeneration(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(generateKey(static_cast<int>(state.range(0)), random, goOn));
    }
}
BENCHMARK(keyGeneration)
    ->Arg(2048)
    ->Arg(4096)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void factoringRacePoint(benchmark::State& state) {
    RandomSource random;
    double childCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const mpz_class n = balancedNumber(static_cast<int>(state.range(0)), random).n;
        state.ResumeTiming();
        const Factoring found = factorSemiprime(n, goOn, std::chrono::seconds(600));
        childCpu += found.childCpuSeconds.count();
    }
    // The factorisation's own processor time, to set beside flintAlone's CPU
    // column when the machine is shared.
    state.counters["child_cpu_ms"] =
        benchmark::Counter(childCpu * 1000, benchmark::Counter::kAvgIterations);
}

// The library alone, in this process; its sieve writes its file into the
// current folder, so the benchmark runs in a temporary one.
void flintAlone(benchmark::State& state) {
    RandomSource random;
    const auto folder = std::filesystem::temp_directory_path();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    for (auto _ : state) {
        state.PauseTiming();
        const mpz_class n = balancedNumber(static_cast<int>(state.range(0)), random).n;
        fmpz_t number;
        fmpz_init(number);
        fmpz_set_mpz(number, n.get_mpz_t());
        fmpz_factor_t factors;
        fmpz_factor_init(factors);
        state.ResumeTiming();
        fmpz_factor(factors, number);
        state.PauseTiming();
        fmpz_factor_clear(factors);
        fmpz_clear(number);
        state.ResumeTiming();
    }
    std::filesystem::current_path(previous);
}

#define RSA_FACTORING_SIZES(name)                                                                  \
    BENCHMARK(name)                                                                                \
        ->Arg(100)                                                                                 \
        ->Arg(128)                                                                                 \
        ->Arg(160)                                                                                 \
        ->Arg(180)                                                                                 \
        ->Arg(200)                                                                                 \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->UseRealTime()                                                                            \
        ->Iterations(3)                                                                            \
        ->Repetitions(3)                                                                           \
        ->ReportAggregatesOnly()
RSA_FACTORING_SIZES(factoringRacePoint);
RSA_FACTORING_SIZES(flintAlone);

} // namespace
} // namespace rsa::realsize

BENCHMARK_MAIN();
