// A shared prime as a task: of three public moduli exactly two share a
// prime, which the gcd of that pair gives, and with it both keys' factors.

#include "AttackTask.h"
#include "texts/ExerciseTexts.h"

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;

class SharedPrimeTask : public AttackTask {
public:
    SharedPrimeTask()
        : AttackTask(attacks::AttackId::Shared, words::sharedIntro,
                     {Answer::G, Answer::A, Answer::B},
                     {std::begin(words::sharedCaptions), std::end(words::sharedCaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const LevelRange range = rangeOf(task.code.level);
        const std::vector<int64_t> primes = primesBetween(range.lowestPrime, range.primesBelow);
        // g, a, b, and the third key's two.
        const std::vector<int64_t> drawn = random.distinct(primes, 5);
        // The key that shares nothing stands first, second or third.
        const auto alone = static_cast<std::size_t>(random.between(0, 3));
        std::vector<int64_t> shared = {drawn[0] * drawn[1], drawn[0] * drawn[2]};
        shared.insert(shared.begin() + static_cast<std::ptrdiff_t>(alone), drawn[3] * drawn[4]);
        task.numbers = shared;
        task.p = drawn[3];
        task.q = drawn[4];
        task.solved = {{Answer::G, drawn[0]}, {Answer::A, drawn[1]}, {Answer::B, drawn[2]}};
    }

    std::vector<Given> givens(const Task& task) const override {
        return {{"n", {"n₁", "n₂", "n₃"}, task.numbers}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const int64_t g = rightAnswer(task, Answer::G);
        const int64_t a = rightAnswer(task, Answer::A);
        const int64_t b = rightAnswer(task, Answer::B);
        if (answer == Answer::G) {
            Mistakes usual = {{Mistake::SharedNoPrime, 1},
                              {Mistake::SharedOnlyOne, a},
                              {Mistake::SharedOnlyOne, b},
                              {Mistake::SharedOnlyOne, task.p},
                              {Mistake::SharedOnlyOne, task.q}};
            for (const int64_t n : task.numbers) {
                usual.emplace_back(Mistake::SharedIsModulus, n);
            }
            return usual;
        }
        const bool first = answer == Answer::A;
        return {{Mistake::FactorTrivial, 0},
                {Mistake::FactorTrivial, 1},
                {Mistake::SharedIsG, g},
                {Mistake::SharedIsModulus, modulusOf(task, answer)},
                {Mistake::SharedSwapped, first ? b : a}};
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        if (answer != Answer::G) {
            return factorCheck(task, answer, number, modulusOf(task, answer));
        }
        return found(Mistake::SharedNotCommon);
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Task& task = exercise.task();
        if (answer == Answer::G) {
            return hintText(words::hintSharedG, {task.numbers[0], task.numbers[1], task.numbers[2]},
                            translator);
        }
        if (isOpen(exercise, Answer::G)) {
            return needsFirst(answer, "g", translator);
        }
        return texts::word(words::hintSharedOther,
                           {answerSymbol(answer), shown(modulusOf(task, answer)),
                            shown(rightAnswer(task, Answer::G))},
                           translator);
    }

private:
    // The modulus a or b is the other prime of.
    static int64_t modulusOf(const Task& task, Answer answer) {
        const int64_t factor = rightAnswer(task, answer);
        for (const int64_t n : task.numbers) {
            if (n % factor == 0) {
                return n;
            }
        }
        return 0;
    }
};

} // namespace

const AttackTask& sharedPrimeTask() {
    static const SharedPrimeTask task;
    return task;
}

} // namespace rsa::exercise
