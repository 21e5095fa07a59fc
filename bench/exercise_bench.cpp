// The exercise window's logic: drawing a task, checking an answer and building
// a hint, each well under a millisecond, at the hardest level (primes below
// 1000), where the tables are longest.

#include "exercise/Exercise.h"
#include "exercise/Guidance.h"

#include <benchmark/benchmark.h>

#include <string>

namespace rsa::exercise {
namespace {

void drawTask(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(taskFromCode(newTaskCode(Kind::Task, Level::Zor)));
    }
}
BENCHMARK(drawTask)->Unit(benchmark::kMicrosecond);

void drawAttackerTask(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(taskFromCode(newTaskCode(Kind::Attacker, Level::Zor)));
    }
}
BENCHMARK(drawAttackerTask)->Unit(benchmark::kMicrosecond);

// A wrong c is compared with every usual mistake before its check is told.
void checkAnswer(benchmark::State& state) {
    Exercise exercise({Kind::Task, Level::Zor, 4242});
    const std::string wrong = std::to_string(exercise.task().n() - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(exercise.check(Answer::C, wrong));
    }
}
BENCHMARK(checkAnswer)->Unit(benchmark::kMicrosecond);

void hint(benchmark::State& state) {
    Exercise exercise({Kind::Task, Level::Zor, 4242});
    exercise.check(Answer::Phi, std::to_string(exercise.task().phi()));
    exercise.check(Answer::D, std::to_string(exercise.task().d()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(hintFor(exercise, Answer::D, nullptr));
        benchmark::DoNotOptimize(hintFor(exercise, Answer::R, nullptr));
    }
}
BENCHMARK(hint)->Unit(benchmark::kMicrosecond);

void solution(benchmark::State& state) {
    const Task task = taskFromCode({Kind::Attacker, Level::Zor, 4242});
    for (auto _ : state) {
        benchmark::DoNotOptimize(solutionOf(task, nullptr));
    }
}
BENCHMARK(solution)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace rsa::exercise
