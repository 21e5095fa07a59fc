#include "exercise/Task.h"

#include "AttackTask.h"
#include "Generator.h"
#include "Modular.h"
#include "exercise/Diagnosis.h"
#include "numbers/ModularArithmetic.h"
#include "texts/ExerciseTexts.h"

#include <algorithm>
#include <numeric>

namespace rsa::exercise {

namespace {

namespace words = rsa::texts::exercise;

std::vector<std::int64_t> primesOf(Level level) {
    const LevelRange range = rangeOf(level);
    return primesBetween(range.lowestPrime, range.primesBelow);
}

// A block from 2 to n - 1 that does not encrypt to itself and is none of taken.
std::int64_t drawBlock(Generator& random, const Task& task,
                       const std::vector<std::int64_t>& taken) {
    for (;;) {
        const std::int64_t block = random.between(2, task.n());
        const bool used = std::find(taken.begin(), taken.end(), block) != taken.end();
        if (!used && power(block, task.e, task.n()) != block) {
            return block;
        }
    }
}

} // namespace

std::int64_t Task::d() const {
    return inverse(e, phi()).value_or(0);
}

LevelRange rangeOf(Level level) {
    switch (level) {
    case Level::Kolay:
        return {3, 20, 20};
    case Level::Orta:
        return {11, 100, 100};
    case Level::Zor:
        break;
    }
    return {101, 1000, 1000};
}

namespace {

// One draw of a task's numbers: p and q, then e, then the blocks.
Task drawTask(Generator& random, const TaskCode& code, const std::vector<std::int64_t>& primes) {
    const auto count = static_cast<std::int64_t>(primes.size());
    Task task;
    task.code = code;
    // Some pairs have no usable exponent (for φ = 8 every odd e is its own
    // inverse); those are drawn again.
    for (;;) {
        std::int64_t p = primes[static_cast<std::size_t>(random.between(0, count))];
        std::int64_t q = primes[static_cast<std::size_t>(random.between(0, count))];
        if (p == q) {
            continue;
        }
        task.p = std::min(p, q);
        task.q = std::max(p, q);
        // With e² = 1 mod λ(n) (λ the lcm of p − 1 and q − 1), raising to d
        // is raising to e for every block; with e = 1 mod λ(n) every block
        // would encrypt to itself.
        const std::int64_t lambda = task.phi() / std::gcd(task.p - 1, task.q - 1);
        std::vector<std::int64_t> exponents;
        const std::int64_t below = std::min(rangeOf(code.level).exponentsBelow, task.phi());
        for (std::int64_t e = 3; e < below; ++e) {
            if (inverse(e, task.phi()) && e * e % lambda != 1) {
                exponents.push_back(e);
            }
        }
        if (!exponents.empty()) {
            task.e = exponents[static_cast<std::size_t>(
                random.between(0, static_cast<std::int64_t>(exponents.size())))];
            break;
        }
    }
    if (code.kind == Kind::Task) {
        task.m = drawBlock(random, task, {});
        task.cPrime = power(drawBlock(random, task, {task.m}), task.e, task.n());
        return task;
    }
    std::vector<std::int64_t> plain;
    for (std::int64_t& block : task.blocks) {
        plain.push_back(drawBlock(random, task, plain));
        block = power(plain.back(), task.e, task.n());
    }
    return task;
}

} // namespace

Task taskFromCode(const TaskCode& code) {
    // The two first kinds keep the seeds their codes always had; an attack's
    // kind is above the serial's bits.
    const auto kind = static_cast<std::uint64_t>(code.kind);
    const std::uint64_t seed = (static_cast<std::uint64_t>(code.serial) << 3) | ((kind & 1) << 2) |
                               ((kind >> 1) << 40) | static_cast<std::uint64_t>(code.level);
    Generator random(seed);
    const AttackTask* attack = attackTask(code.kind);
    const std::vector<std::int64_t> primes =
        attack ? std::vector<std::int64_t>{} : primesOf(code.level);
    // Even where e and d differ, a single block may still give the same
    // power with both, or a wrong method may hit an answer by chance (mᵈ = c,
    // c′ᵉ = m₂, ...): a task where a mistake would be graded right is drawn
    // again.
    for (;;) {
        Task task;
        if (attack) {
            task.code = code;
            attack->draw(random, task);
        } else {
            task = drawTask(random, code, primes);
        }
        if (!gradesAMistakeRight(task)) {
            return task;
        }
    }
}

const std::vector<Answer>& answersOf(Kind kind) {
    static const std::vector<Answer> task = {Answer::N, Answer::Phi, Answer::D, Answer::C,
                                             Answer::R};
    static const std::vector<Answer> attacker = {Answer::P,  Answer::Q,  Answer::D,
                                                 Answer::M1, Answer::M2, Answer::M3};
    if (const AttackTask* attack = attackTask(kind)) {
        return attack->answers;
    }
    return kind == Kind::Task ? task : attacker;
}

const char* captionOf(Kind kind, Answer answer) {
    if (const AttackTask* attack = attackTask(kind)) {
        const auto at = std::find(attack->answers.begin(), attack->answers.end(), answer);
        return attack->captions[static_cast<std::size_t>(at - attack->answers.begin())];
    }
    return answer == Answer::P   ? words::smallerFactor
           : answer == Answer::Q ? words::largerFactor
                                 : words::answerFormulas[static_cast<int>(answer)];
}

const char* introOf(Kind kind) {
    if (const AttackTask* attack = attackTask(kind)) {
        return attack->intro;
    }
    return kind == Kind::Task ? words::taskIntro : words::attackerIntro;
}

std::vector<Given> givensOf(const Task& task) {
    if (const AttackTask* attack = attackTask(task.code.kind)) {
        return attack->givens(task);
    }
    if (task.code.kind == Kind::Task) {
        return {{"p", {"p"}, {task.p}},
                {"q", {"q"}, {task.q}},
                {"e", {"e"}, {task.e}},
                {"m", {"m"}, {task.m}},
                {"c", {"c′"}, {task.cPrime}}};
    }
    return {{"e", {"e"}, {task.e}},
            {"n", {"n"}, {task.n()}},
            {"c", {"c₁", "c₂", "c₃"}, {task.blocks.begin(), task.blocks.end()}}};
}

std::int64_t rightAnswer(const Task& task, Answer answer) {
    if (attackTask(task.code.kind)) {
        for (const auto& [asked, value] : task.solved) {
            if (asked == answer) {
                return value;
            }
        }
    }
    switch (answer) {
    case Answer::N:
        return task.n();
    case Answer::Phi:
        return task.phi();
    case Answer::D:
        return task.d();
    case Answer::C:
        return power(task.m, task.e, task.n());
    case Answer::R:
        return power(task.cPrime, task.d(), task.n());
    case Answer::P:
        return task.p;
    case Answer::Q:
        return task.q;
    case Answer::M1:
    case Answer::M2:
    case Answer::M3:
        break;
    default:
        return 0;
    }
    const auto block =
        static_cast<std::size_t>(static_cast<int>(answer) - static_cast<int>(Answer::M1));
    return power(task.blocks[block], task.d(), task.n());
}

const char* answerName(Answer answer) {
    static const char* const names[] = {"n",  "phi", "d", "c", "r", "p", "q",   "m1", "m2",
                                        "m3", "a",   "b", "g", "x", "y", "inv", "m",  "k"};
    return names[static_cast<int>(answer)];
}

const char* baseSymbol(Answer answer) {
    static const char* const symbols[] = {"",   "", "", "m", "c′", "", "", "c₁", "c₂",
                                          "c₃", "", "", "",  "",   "", "", "",   ""};
    return symbols[static_cast<int>(answer)];
}

const char* answerSymbol(Answer answer) {
    static const char* const symbols[] = {"n",  "φ", "d", "c", "r", "p", "q",    "m₁", "m₂",
                                          "m₃", "a", "b", "g", "x", "y", "c₂⁻¹", "m",  "k"};
    return symbols[static_cast<int>(answer)];
}

} // namespace rsa::exercise
