// Wiener's attack as a task: d below n^¼ / 3 makes k/d a convergent of
// e/n, which gives φ = (e · d − 1) / k and then p and q as the roots of
// x² − (n − φ + 1)x + n = 0.

#include "AttackTask.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/NumberTheory.h"
#include "texts/ExerciseTexts.h"

#include <algorithm>

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;
using std::int64_t;

// Primes large enough that the bound n^¼ / 3 leaves a few odd d below it,
// and n below 2³², where the attacks library works; listed once, as the zor
// list is long.
const std::vector<int64_t>& primesOf(Level level) {
    static const std::vector<int64_t> lists[] = {primesBetween(101, 400), primesBetween(400, 1000),
                                                 primesBetween(1000, 10000)};
    return lists[static_cast<int>(level)];
}

// As many partial quotients as a hint shows.
constexpr std::size_t hintQuotients = 4;

class WienerTask : public AttackTask {
public:
    WienerTask()
        : AttackTask(attacks::AttackId::Wiener, words::wienerIntro,
                     {Answer::K, Answer::D, Answer::Phi, Answer::P, Answer::Q},
                     {std::begin(words::wienerCaptions), std::end(words::wienerCaptions)}) {}

    void draw(Generator& random, Task& task) const override {
        const std::vector<int64_t>& primes = primesOf(task.code.level);
        for (;;) {
            const int64_t p = random.pick(primes);
            const int64_t q = random.pick(primes);
            const int64_t smaller = std::min(p, q), larger = std::max(p, q);
            if (p == q || larger >= 2 * smaller) {
                continue;
            }
            const int64_t n = p * q, phi = (p - 1) * (q - 1);
            // The odd d with 81 · d⁴ < n, that is d < n^¼ / 3, coprime to φ.
            std::vector<int64_t> exponents;
            for (int64_t d = 3; 81 * d * d * d * d < n; d += 2) {
                const std::optional<int64_t> e = inverse(d, phi);
                if (e && *e != d) {
                    exponents.push_back(d);
                }
            }
            if (exponents.empty()) {
                continue;
            }
            const int64_t d = random.pick(exponents);
            const int64_t e = *inverse(d, phi);
            task.p = smaller;
            task.q = larger;
            task.e = e;
            task.numbers = {n, e};
            task.solved = {{Answer::K, (e * d - 1) / phi},
                           {Answer::D, d},
                           {Answer::Phi, phi},
                           {Answer::P, smaller},
                           {Answer::Q, larger}};
            return;
        }
    }

    std::vector<Given> givens(const Task& task) const override {
        return {{"n", {"n"}, {task.numbers[0]}}, {"e", {"e"}, {task.numbers[1]}}};
    }

    Mistakes mistakes(const Task& task, Answer answer) const override {
        const int64_t n = task.numbers[0], e = task.numbers[1];
        const int64_t k = rightAnswer(task, Answer::K), d = rightAnswer(task, Answer::D);
        switch (answer) {
        case Answer::K:
            return {{Mistake::WienerSwapped, d}};
        case Answer::D:
            return {{Mistake::WienerSwapped, k}};
        case Answer::Phi:
            return {{Mistake::WienerPhiNotDivided, e * d - 1},
                    {Mistake::PhiIsNMinusOne, n - 1},
                    {Mistake::PhiIsN, n}};
        default:
            break;
        }
        return factorMistakes(answer, task.p, task.q);
    }

    Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const override {
        const int64_t n = task.numbers[0];
        const std::optional<int64_t> value = number.value();
        if (answer == Answer::K || answer == Answer::D) {
            const std::vector<ConvergentRow> rows = convergents(
                static_cast<std::uint64_t>(task.numbers[1]), static_cast<std::uint64_t>(n));
            const bool isK = answer == Answer::K;
            const bool among = value && std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
                                   return static_cast<int64_t>(isK ? row.h : row.k) == *value;
                               });
            return among ? found(Mistake::WienerWrongConvergent)
                         : found(Mistake::WienerNotConvergent, {answerSymbol(answer)});
        }
        if (answer != Answer::Phi) {
            return factorCheck(task, answer, number, n);
        }
        if (!value || *value >= n) {
            return found(Mistake::NotBelowModulus, {answerSymbol(answer), shown(n)});
        }
        const int64_t sum = n - *value + 1;
        const int64_t discriminant = sum * sum - 4 * n;
        return checkFails(task, answer, discriminant, Mistake::NotSquare,
                          {answerSymbol(answer), "(n − φ + 1)² − 4n", shown(discriminant)},
                          "(n − φ + 1)² − 4n = (q − p)²");
    }

    std::string hint(const Exercise& exercise, Answer answer,
                     Translator translator) const override {
        const Task& task = exercise.task();
        const int64_t n = task.numbers[0], e = task.numbers[1];
        const int64_t k = rightAnswer(task, Answer::K), d = rightAnswer(task, Answer::D);
        const int64_t phi = rightAnswer(task, Answer::Phi);
        switch (answer) {
        case Answer::K:
        case Answer::D: {
            std::string quotients;
            const std::vector<ConvergentRow> rows =
                convergents(static_cast<std::uint64_t>(e), static_cast<std::uint64_t>(n));
            for (std::size_t i = 0; i < rows.size() && i < hintQuotients; ++i) {
                quotients += (i == 0 ? "" : ", ") + std::to_string(rows[i].quotient);
            }
            return texts::word(words::hintWienerConvergents, {shown(e), shown(n), quotients},
                               translator);
        }
        case Answer::Phi:
            return isOpen(exercise, Answer::K) || isOpen(exercise, Answer::D)
                       ? needsFirst(answer, "k, d", translator)
                       : hintText(words::hintWienerPhi, {e, d, k}, translator);
        case Answer::P:
            return isOpen(exercise, Answer::Phi)
                       ? needsFirst(answer, answerSymbol(Answer::Phi), translator)
                       : hintText(words::hintWienerP, {n, phi, n - phi + 1}, translator);
        default:
            break;
        }
        return isOpen(exercise, Answer::P) ? needsFirst(answer, "p", translator)
                                           : hintText(words::hintQ, {n, task.p}, translator);
    }
};

} // namespace

const AttackTask& wienerTask() {
    static const WienerTask task;
    return task;
}

} // namespace rsa::exercise
