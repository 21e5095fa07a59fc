// Small e without padding as a task: e = 3 and three blocks so small that
// m³ < n, so each cipher block is a cube and its integer cube root the block.

#include "AttackTask.h"
#include "numbers/NumberTheory.h"
#include "numbers/TrialDivision.h"
#include "texts/ExerciseTexts.h"

#include <algorithm>

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;

constexpr int64_t e = 3;

constexpr Answer blocks[] = {Answer::M1, Answer::M2, Answer::M3};

std::size_t indexOf(Answer answer) {
    return static_cast<std::size_t>(std::find(std::begin(blocks), std::end(blocks), answer) -
                                    std::begin(blocks));
}

class SmallETask : public AttackTask {
public:
    SmallETask()
        : AttackTask(attacks::AttackId::SmallE, words::smallEIntro,
                     {std::begin(blocks), std::end(blocks)},
                     {std::begin(words::smallECaptions), std::end(words::smallECaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const std::vector<int64_t> primes = primesForCubes(task.code.level);
        for (;;) {
            const int64_t p = random.pick(primes);
            const int64_t q = random.pick(primes);
            const int64_t cubes = static_cast<int64_t>(
                integerRoot(static_cast<std::uint64_t>(p * q - 1), static_cast<unsigned>(e)));
            if (p == q || cubes < 4) {
                continue;
            }
            task.p = std::min(p, q);
            task.q = std::max(p, q);
            task.e = e;
            task.numbers = {p * q, e};
            task.solved.clear();
            for (const Answer answer : blocks) {
                int64_t m = random.between(2, cubes + 1);
                while (std::any_of(task.solved.begin(), task.solved.end(),
                                   [m](const auto& solved) { return solved.second == m; })) {
                    m = random.between(2, cubes + 1);
                }
                task.solved.emplace_back(answer, m);
                task.numbers.push_back(m * m * m);
            }
            return;
        }
    }

    std::vector<Given> givens(const Task& task) const override {
        return {{"n", {"n"}, {task.numbers[0]}},
                {"e", {"e"}, {e}},
                {"c", {"c₁", "c₂", "c₃"}, {task.numbers.begin() + 2, task.numbers.end()}}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const int64_t c = cipherOf(task, answer);
        return {{Mistake::SmallEDivided, c / e},
                {Mistake::SmallESquareRoot,
                 static_cast<int64_t>(integerSquareRoot(static_cast<std::uint64_t>(c)))}};
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        const int64_t n = task.numbers[0];
        const std::optional<int64_t> value = number.value();
        if (!value || *value >= n) {
            return found(Mistake::NotBelowModulus, {answerSymbol(answer), shown(n)});
        }
        return checkShows(task, answer, std::string(answerSymbol(answer)) + "³",
                          *value * *value * *value,
                          std::string(baseSymbol(answer)) + " = " + shown(cipherOf(task, answer)));
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Task& task = exercise.task();
        return texts::word(
            words::hintSmallE,
            {answerSymbol(answer), shown(cipherOf(task, answer)), shown(task.numbers[0])},
            translator);
    }

    // The attack on each block in turn.
    std::vector<explain::Section> solution(const Task& task, Translator translator) const override {
        std::vector<explain::Section> sections;
        for (const Answer answer : blocks) {
            const auto c = static_cast<std::uint64_t>(cipherOf(task, answer));
            sections.push_back(
                attacks::runAttack(attack, {static_cast<std::uint64_t>(task.numbers[0]), e, c},
                                   translator)
                    .section);
        }
        return sections;
    }

private:
    static int64_t cipherOf(const Task& task, Answer answer) {
        return task.numbers[2 + indexOf(answer)];
    }
};

} // namespace

const AttackTask& smallETask() {
    static const SmallETask task;
    return task;
}

} // namespace rsa::exercise
