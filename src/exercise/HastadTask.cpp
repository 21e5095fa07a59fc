// Håstad's broadcast as a task: one block sent with e = 3 to three pairwise
// coprime moduli; the Chinese remainder theorem gives m³ itself, whose cube
// root is the block.

#include "AttackTask.h"
#include "Modular.h"
#include "numbers/NumberTheory.h"
#include "texts/ExerciseTexts.h"

#include <algorithm>

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;
using std::uint64_t;

constexpr int64_t e = 3;

struct Broadcast {
    std::vector<int64_t> moduli;
    std::vector<int64_t> blocks;
    int64_t product;
};

Broadcast broadcastOf(const Task& task) {
    const auto& given = task.numbers; // e, n₁, n₂, n₃, c₁, c₂, c₃
    Broadcast broadcast{
        {given.begin() + 1, given.begin() + 4}, {given.begin() + 4, given.end()}, 1};
    for (const int64_t n : broadcast.moduli) {
        broadcast.product *= n;
    }
    return broadcast;
}

int64_t cubeRoot(int64_t value) {
    return static_cast<int64_t>(integerRoot(static_cast<uint64_t>(value), e));
}

class HastadTask : public AttackTask {
public:
    HastadTask()
        : AttackTask(attacks::AttackId::Hastad, words::hastadIntro, {Answer::X, Answer::M},
                     {std::begin(words::hastadCaptions), std::end(words::hastadCaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const std::vector<int64_t> primes = primesForCubes(task.code.level);
        for (;;) {
            const std::vector<int64_t> drawn = random.distinct(primes, 6);
            const std::vector<int64_t> moduli = {drawn[0] * drawn[1], drawn[2] * drawn[3],
                                                 drawn[4] * drawn[5]};
            const int64_t smallest = *std::min_element(moduli.begin(), moduli.end());
            // m³ above every modulus, so that no block is m³ itself, and m
            // below every modulus.
            const int64_t lowest = cubeRoot(*std::max_element(moduli.begin(), moduli.end())) + 1;
            if (lowest >= smallest) {
                continue;
            }
            const int64_t m = random.between(lowest, smallest);
            task.numbers = {e, moduli[0], moduli[1], moduli[2]};
            for (const int64_t n : moduli) {
                task.numbers.push_back(power(m, e, n));
            }
            if (std::find(task.numbers.begin() + 4, task.numbers.end(), m) != task.numbers.end()) {
                continue;
            }
            task.m = m;
            task.solved = {{Answer::X, m * m * m}, {Answer::M, m}};
            return;
        }
    }

    std::vector<Given> givens(const Task& task) const override {
        const Broadcast broadcast = broadcastOf(task);
        return {{"e", {"e"}, {e}},
                {"n", {"n₁", "n₂", "n₃"}, broadcast.moduli},
                {"c", {"c₁", "c₂", "c₃"}, broadcast.blocks}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const Broadcast broadcast = broadcastOf(task);
        if (answer == Answer::X) {
            // The terms cᵢ · Nᵢ without the inverses of Nᵢ mod nᵢ.
            uint64_t sum = 0;
            const auto product = static_cast<uint64_t>(broadcast.product);
            for (std::size_t i = 0; i < 3; ++i) {
                const auto others = static_cast<uint64_t>(broadcast.product / broadcast.moduli[i]);
                sum = (sum + multiplyModulo(static_cast<uint64_t>(broadcast.blocks[i]), others,
                                            product)) %
                      product;
            }
            return {{Mistake::HastadNoInverse, static_cast<int64_t>(sum)}};
        }
        Mistakes usual;
        for (const int64_t c : broadcast.blocks) {
            usual.emplace_back(Mistake::HastadRootOfC, cubeRoot(c));
        }
        return usual;
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        const Broadcast broadcast = broadcastOf(task);
        const std::optional<int64_t> value = number.value();
        const bool isX = answer == Answer::X;
        const int64_t smallest =
            *std::min_element(broadcast.moduli.begin(), broadcast.moduli.end());
        if (!isX && (!value || *value >= smallest)) {
            return found(Mistake::NotBelowModulus, {answerSymbol(answer), shown(smallest)});
        }
        static const char* const indices[] = {"₁", "₂", "₃"};
        for (std::size_t i = 0; i < 3; ++i) {
            const int64_t n = broadcast.moduli[i];
            const int64_t residue = isX ? number.residue(n) : power(number.residue(n), e, n);
            if (residue != broadcast.blocks[i]) {
                return checkShows(
                    task, answer, std::string(isX ? "x" : "m³") + " mod n" + indices[i], residue,
                    std::string("c") + indices[i] + " = " + shown(broadcast.blocks[i]));
            }
        }
        // Every residue holds: x is not below N.
        return found(Mistake::HastadBelowProduct, {shown(broadcast.product)});
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Task& task = exercise.task();
        const Broadcast broadcast = broadcastOf(task);
        if (answer == Answer::X) {
            return hintText(words::hintHastadX,
                            {broadcast.product, broadcast.product / broadcast.moduli[0]},
                            translator);
        }
        return isOpen(exercise, Answer::X)
                   ? needsFirst(answer, "x", translator)
                   : hintText(words::hintHastadM, {rightAnswer(task, Answer::X)}, translator);
    }
};

} // namespace

const AttackTask& hastadTask() {
    static const HastadTask task;
    return task;
}

} // namespace rsa::exercise
