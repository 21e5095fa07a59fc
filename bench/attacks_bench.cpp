// Each classroom attack's logic, section included, on its worked example and
// on the largest numbers the window takes (moduli just below 2^32): each
// should take well under a millisecond.

#include "attacks/Attack.h"

#include <benchmark/benchmark.h>

namespace rsa::attacks {
namespace {

// Generated examples with moduli near 2^32, printed by attack-example.
const std::vector<std::uint64_t> large[] = {
    {4292870399u},                                  // fermat: 65519 · 65521
    {299, 4},                                       // pminus1
    {187, 221},                                     // shared
    {187, 3, 125},                                  // small-e
    {3, 411487, 87271, 342709, 316210, 17738, 562}, // hastad
    {187, 3, 7, 36, 15},                            // common
    {2704786391u, 1248314677u},                     // wiener
    {4292870399u, 5, 1234567},                      // chosen: the holder factors n first
    {187, 3, 2, 161, 5, 113},                       // forge
    {890269271, 5, 885335466, 698929312},           // fault
};

void attackReady(benchmark::State& state) {
    const AttackId attack = allAttacks[state.range(0)];
    state.SetLabel(driverName(attack));
    const auto numbers = readyExample(attack);
    for (auto _ : state) {
        benchmark::DoNotOptimize(runAttack(attack, numbers));
    }
}
BENCHMARK(attackReady)->DenseRange(0, 9);

void attackLarge(benchmark::State& state) {
    const AttackId attack = allAttacks[state.range(0)];
    state.SetLabel(driverName(attack));
    for (auto _ : state) {
        benchmark::DoNotOptimize(runAttack(attack, large[state.range(0)]));
    }
}
BENCHMARK(attackLarge)->DenseRange(0, 9);

} // namespace
} // namespace rsa::attacks
