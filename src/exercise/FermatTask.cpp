// Fermat's method as a task: n = p · q with primes so close that a few
// steps from ⌈√n⌉ find the a with a² − n = b².

#include "AttackTask.h"
#include "numbers/TrialDivision.h"
#include "texts/ExerciseTexts.h"

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;

// As many steps as a learner takes by hand.
constexpr int64_t mostSteps = 3;

int64_t root(int64_t value) {
    return static_cast<int64_t>(integerSquareRoot(static_cast<std::uint64_t>(value)));
}

class FermatTask : public AttackTask {
public:
    FermatTask()
        : AttackTask(attacks::AttackId::Fermat, words::fermatIntro,
                     {Answer::A, Answer::B, Answer::P, Answer::Q},
                     {std::begin(words::fermatCaptions), std::end(words::fermatCaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const LevelRange range = rangeOf(task.code.level); // odd primes only
        const std::vector<int64_t> primes = primesBetween(range.lowestPrime, range.primesBelow);
        for (;;) {
            const int64_t p = random.pick(primes);
            const int64_t q = random.pick(primes);
            // b = 1 would make b² the same number as b.
            if (q - p < 4) {
                continue;
            }
            const int64_t n = p * q;
            const int64_t a = (p + q) / 2;
            // n is no square, so the steps start at ⌊√n⌋ + 1.
            if (a - root(n) <= mostSteps) {
                task.p = p;
                task.q = q;
                task.numbers = {n};
                task.solved = {
                    {Answer::A, a}, {Answer::B, (q - p) / 2}, {Answer::P, p}, {Answer::Q, q}};
                return;
            }
        }
    }

    std::vector<Given> givens(const Task& task) const override {
        return {{"n", {"n"}, {task.numbers[0]}}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const int64_t n = task.numbers[0];
        const int64_t b = rightAnswer(task, Answer::B);
        switch (answer) {
        case Answer::A:
            return {{Mistake::FermatFloorRoot, root(n)}, {Mistake::FermatNotFirst, (n + 1) / 2}};
        case Answer::B:
            return {{Mistake::FermatBSquared, b * b}, {Mistake::FermatNotFirst, (n - 1) / 2}};
        default:
            break;
        }
        Mistakes usual = factorMistakes(answer, task.p, task.q);
        usual.emplace_back(Mistake::FermatForgotB, rightAnswer(task, Answer::A));
        return usual;
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        const int64_t n = task.numbers[0];
        const std::optional<int64_t> value = number.value();
        if (answer == Answer::P || answer == Answer::Q) {
            return factorCheck(task, answer, number, n);
        }
        if (!value || *value > n) {
            return found(Mistake::TooLarge, {answerSymbol(answer)});
        }
        const int64_t v = *value;
        if (answer == Answer::A && v * v < n) {
            return found(Mistake::FermatBelowRoot);
        }
        const int64_t square = answer == Answer::A ? v * v - n : n + v * v;
        const std::string computed = answer == Answer::A ? "a² − n" : "n + b²";
        return checkFails(task, answer, square, Mistake::NotSquare,
                          {answerSymbol(answer), computed, shown(square)},
                          answer == Answer::A ? "a² − n = b²" : "n + b² = a²");
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Task& task = exercise.task();
        const int64_t n = task.numbers[0];
        const int64_t a = rightAnswer(task, Answer::A);
        const int64_t b = rightAnswer(task, Answer::B);
        if (answer == Answer::A) {
            return hintText(words::hintFermatA, {n, root(n)}, translator);
        }
        if (answer == Answer::B) {
            return isOpen(exercise, Answer::A)
                       ? needsFirst(answer, "a", translator)
                       : hintText(words::hintFermatB, {a, n, a * a - n}, translator);
        }
        if (isOpen(exercise, Answer::A) || isOpen(exercise, Answer::B)) {
            return needsFirst(answer, "a, b", translator);
        }
        return hintText(answer == Answer::P ? words::hintFermatP : words::hintFermatQ, {a, b},
                        translator);
    }
};

} // namespace

const AttackTask& fermatTask() {
    static const FermatTask task;
    return task;
}

} // namespace rsa::exercise
