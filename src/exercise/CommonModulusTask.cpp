// A common modulus as a task: the same block encrypted with two coprime
// exponents of one n, recovered through a Bezout pair e₁x + e₂y = 1 as
// c₁ˣ · (c₂⁻¹)^|y| mod n.

#include "AttackTask.h"
#include "Modular.h"
#include "explain/Arithmetic.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/NumberTheory.h"
#include "texts/ExerciseTexts.h"

#include <algorithm>

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;

// The attacks library takes exponents up to 64.
constexpr int64_t exponentsBelowAtMost = 65;

struct Numbers {
    int64_t n, e1, e2, c1, c2, x, y, inverse;
};

Numbers numbersOf(const Task& task) {
    const auto& given = task.numbers;
    return {given[0],
            given[1],
            given[2],
            given[3],
            given[4],
            rightAnswer(task, Answer::X),
            rightAnswer(task, Answer::Y),
            rightAnswer(task, Answer::Inv)};
}

class CommonModulusTask : public AttackTask {
public:
    CommonModulusTask()
        : AttackTask(attacks::AttackId::Common, words::commonIntro,
                     {Answer::X, Answer::Y, Answer::Inv, Answer::M},
                     {std::begin(words::commonCaptions), std::end(words::commonCaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const LevelRange range = rangeOf(task.code.level);
        const std::vector<int64_t> primes = primesBetween(range.lowestPrime, range.primesBelow);
        for (;;) {
            const int64_t p = random.pick(primes);
            const int64_t q = random.pick(primes);
            if (p == q) {
                continue;
            }
            const int64_t n = p * q, phi = (p - 1) * (q - 1);
            const int64_t below = std::min({range.exponentsBelow, exponentsBelowAtMost, phi});
            if (below <= 4) {
                continue;
            }
            const int64_t e1 = random.between(3, below);
            const int64_t e2 = random.between(3, below);
            const int64_t m = random.between(2, n);
            const std::optional<int64_t> x = inverse(e1, e2);
            // The attacks library works the Bezout pair Euclid's last row
            // gives; the boxes ask for the one with 0 < x < e₂, so a task
            // where the two differ would show another way than it asks.
            if (e1 == e2 || !inverse(e1, phi) || !inverse(e2, phi) || !x || !inverse(m, n) ||
                euclidRows(e1, e2).rows.back().s != *x) {
                continue;
            }
            const int64_t c1 = power(m, e1, n), c2 = power(m, e2, n);
            // A block that encrypts to itself, or to the same block twice,
            // gives the message away; an inverse that is the message, too.
            // With x = 1 or c₂ = 1 an answer would be the 1 every check
            // aims at.
            if (c1 == m || c2 == m || c1 == c2 || inverse(c2, n) == m || *x == 1 || c2 == 1) {
                continue;
            }
            task.p = std::min(p, q);
            task.q = std::max(p, q);
            task.m = m;
            task.numbers = {n, e1, e2, c1, c2};
            task.solved = {{Answer::X, *x},
                           {Answer::Y, (1 - e1 * *x) / e2},
                           {Answer::Inv, *inverse(c2, n)},
                           {Answer::M, m}};
            return;
        }
    }

    std::vector<Given> givens(const Task& task) const override {
        const auto& given = task.numbers;
        return {{"n", {"n"}, {given[0]}},
                {"e", {"e₁", "e₂"}, {given[1], given[2]}},
                {"c", {"c₁", "c₂"}, {given[3], given[4]}}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const Numbers k = numbersOf(task);
        switch (answer) {
        case Answer::X:
            return {{Mistake::CommonOtherPair, k.x - k.e2}};
        case Answer::Y:
            return {{Mistake::CommonYSign, -k.y}, {Mistake::CommonOtherPair, k.y + k.e1}};
        case Answer::Inv:
            return {{Mistake::CommonInvNegated, k.n - k.c2}};
        default:
            break;
        }
        return {{Mistake::CommonNoInverse, power(k.c1, k.x, k.n) * power(k.c2, -k.y, k.n) % k.n}};
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        const Numbers k = numbersOf(task);
        if (answer == Answer::X || answer == Answer::Y) {
            // e₁x = 1 mod e₂ and e₂y = 1 mod e₁ hold for every Bezout pair.
            const bool isX = answer == Answer::X;
            const int64_t other = isX ? k.e2 : k.e1;
            const int64_t product = (isX ? k.e1 : k.e2) * number.residue(other) % other;
            if (product == 1) {
                return found(Mistake::CommonOtherPair);
            }
            return checkShows(task, answer, isX ? "e₁ · x mod e₂" : "e₂ · y mod e₁", product, "1");
        }
        const std::optional<int64_t> value = number.value();
        if (!value || *value >= k.n) {
            return found(Mistake::NotBelowModulus, {answerSymbol(answer), shown(k.n)});
        }
        if (answer == Answer::Inv) {
            return checkShows(task, answer, "c₂ · c₂⁻¹ mod n", k.c2 * *value % k.n, "1");
        }
        return checkShows(task, answer, "mᵉ¹ mod n", power(*value, k.e1, k.n),
                          "c₁ = " + shown(k.c1));
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Numbers k = numbersOf(exercise.task());
        switch (answer) {
        case Answer::X:
            return hintText(words::hintCommonX, {k.e1, k.e2}, translator);
        case Answer::Y:
            return isOpen(exercise, Answer::X)
                       ? needsFirst(answer, "x", translator)
                       : hintText(words::hintCommonY, {k.e1, k.x, k.e2}, translator);
        case Answer::Inv:
            return hintText(words::hintCommonInverse, {k.c2, k.n}, translator);
        default:
            break;
        }
        if (isOpen(exercise, Answer::X) || isOpen(exercise, Answer::Y) ||
            isOpen(exercise, Answer::Inv)) {
            return needsFirst(answer, "x, y, c₂⁻¹", translator);
        }
        const auto up = [](int64_t exponent) {
            return explain::superscript(static_cast<std::uint64_t>(exponent));
        };
        return texts::word(words::hintCommonM,
                           {shown(k.c1), up(k.x), shown(k.inverse), up(-k.y), shown(k.n)},
                           translator);
    }
};

} // namespace

const AttackTask& commonModulusTask() {
    static const CommonModulusTask task;
    return task;
}

} // namespace rsa::exercise
