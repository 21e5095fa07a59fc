// The attacks on badly made big keys: Wiener and Fermat on 2048-bit keys,
// the attack alone (a fresh key per iteration, made outside the timing), and
// the batch GCD of 2,500 to 20,000 moduli of 1024 bits against the gcd of
// every pair at smaller counts.

#include "realsize/BadKeys.h"
#include "realsize/BatchGcd.h"
#include "realsize/BigAttacks.h"

#include <benchmark/benchmark.h>

namespace rsa::realsize {
namespace {

const std::atomic<bool> goOn{false};

void wiener2048(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state) {
        state.PauseTiming();
        const BigKey key = *smallPrivateExponentKey(2048, wienerSafeBits(2048), random, goOn);
        state.ResumeTiming();
        benchmark::DoNotOptimize(wienerAttack(key.n, key.e, goOn));
    }
}
BENCHMARK(wiener2048)->Unit(benchmark::kMillisecond)->Iterations(5);

void fermat2048(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state) {
        state.PauseTiming();
        const BigKey key = *closePrimesKey(2048, random, goOn);
        state.ResumeTiming();
        benchmark::DoNotOptimize(fermatAttack(key.n, 1000, goOn));
    }
}
BENCHMARK(fermat2048)->Unit(benchmark::kMillisecond)->Iterations(5);

// Made once (40,000 primes of 512 bits: minutes), then each case takes the
// first `count` of them.
const std::vector<mpz_class>& moduli() {
    static const std::vector<mpz_class> made = [] {
        RandomSource random;
        return plantedModuli(20000, 1024, 10, random, goOn)->moduli;
    }();
    return made;
}

std::vector<mpz_class> first(std::int64_t count) {
    return {moduli().begin(), moduli().begin() + count};
}

void batchGcd1024(benchmark::State& state) {
    const std::vector<mpz_class> some = first(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(batchGcd(some, goOn));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(batchGcd1024)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void pairwiseGcd1024(benchmark::State& state) {
    const std::vector<mpz_class> some = first(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pairwiseGcd(some, goOn));
    }
}
BENCHMARK(pairwiseGcd1024)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace
} // namespace rsa::realsize
