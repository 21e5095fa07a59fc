// Over many random codes of every kind and level: each task is valid and
// solvable, the right answers are accepted, each usual mistake made with the
// task's own numbers is named as itself wherever its number differs from the
// right answer and from the other mistakes', the result code appears exactly
// when everything is right and matches the teacher's view, and the hints and
// the solution use the task's numbers, the solution's tables ending in the
// right answers. An attack's task holds its attack's condition, and the
// attack itself, run on the task's givens, finds the task's answers.

#include "attacks/Attack.h"
#include "exercise/Exercise.h"
#include "exercise/Guidance.h"
#include "explain/Explanation.h"
#include "testing/Oracles.h"
#include "texts/AttackTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <utility>

namespace rsa::exercise {
namespace {

using std::int64_t;

using testing::powerMod;
using testing::prime;

constexpr int kindCount = 8;

int64_t squareRoot(int64_t n) {
    auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n) {
        --root;
    }
    while ((root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

constexpr Answer blocks[] = {Answer::M1, Answer::M2, Answer::M3};

// a⁻¹ mod modulus by the extended Euclid; 0 when there is none.
int64_t inverseOf(int64_t a, int64_t modulus) {
    int64_t r0 = modulus, r1 = a % modulus, t0 = 0, t1 = 1;
    while (r1 != 0) {
        const int64_t quotient = r0 / r1;
        r0 = std::exchange(r1, r0 - quotient * r1);
        t0 = std::exchange(t1, t0 - quotient * t1);
    }
    return r0 == 1 ? (t0 % modulus + modulus) % modulus : 0;
}

// An attack's task holds what its attack needs, and the attack on its givens
// finds what the task's answers say.
void expectValidAttack(const Task& task) {
    const auto right = [&](Answer answer) { return rightAnswer(task, answer); };
    // What the attack finds on the task's numbers, or on each block of them.
    std::vector<std::pair<std::string, std::string>> finds;
    std::vector<std::vector<int64_t>> runs = {task.numbers};
    switch (task.code.kind) {
    case Kind::Fermat: {
        const int64_t n = task.numbers[0], a = right(Answer::A), b = right(Answer::B);
        EXPECT_TRUE(prime(right(Answer::P)) && prime(right(Answer::Q)));
        EXPECT_EQ(right(Answer::P), a - b);
        EXPECT_EQ(right(Answer::Q), a + b);
        EXPECT_EQ(a * a - n, b * b);
        EXPECT_LE(a - squareRoot(n), 3); // steps of Fermat's method
        finds = {{"p", std::to_string(a - b)}, {"q", std::to_string(a + b)}};
        break;
    }
    case Kind::Shared: {
        // Exactly one pair shares a prime: g, and a of the lower-numbered key.
        std::vector<std::pair<std::size_t, std::size_t>> sharing;
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = i + 1; j < 3; ++j) {
                if (std::gcd(task.numbers[i], task.numbers[j]) > 1) {
                    sharing.emplace_back(i, j);
                }
            }
        }
        ASSERT_EQ(sharing.size(), 1u);
        const auto [i, j] = sharing[0];
        const int64_t g = right(Answer::G);
        EXPECT_EQ(std::gcd(task.numbers[i], task.numbers[j]), g);
        EXPECT_TRUE(prime(g) && prime(right(Answer::A)) && prime(right(Answer::B)));
        EXPECT_EQ(task.numbers[i], g * right(Answer::A));
        EXPECT_EQ(task.numbers[j], g * right(Answer::B));
        for (const auto& [n, other] : {std::pair{task.numbers[i], right(Answer::A)},
                                       std::pair{task.numbers[j], right(Answer::B)}}) {
            finds.emplace_back(std::to_string(n), std::to_string(std::min(g, other)) + "*" +
                                                      std::to_string(std::max(g, other)));
        }
        break;
    }
    case Kind::SmallE: {
        const int64_t n = task.numbers[0];
        EXPECT_TRUE(prime(task.p) && prime(task.q) && task.p * task.q == n);
        EXPECT_TRUE((task.p - 1) % 3 != 0 && (task.q - 1) % 3 != 0); // e = 3 is valid
        runs.clear();
        for (std::size_t i = 0; i < 3; ++i) {
            const int64_t m = right(blocks[i]);
            EXPECT_EQ(task.numbers[2 + i], m * m * m);
            EXPECT_LT(m * m * m, n);
            EXPECT_NE(m, right(blocks[(i + 1) % 3]));
            runs.push_back({n, 3, m * m * m});
            finds.emplace_back("m", std::to_string(m));
        }
        break;
    }
    case Kind::Common: {
        const auto& given = task.numbers; // n, e₁, e₂, c₁, c₂
        const int64_t n = given[0], phi = (task.p - 1) * (task.q - 1);
        const int64_t x = right(Answer::X), y = right(Answer::Y), m = right(Answer::M);
        EXPECT_TRUE(prime(task.p) && prime(task.q) && task.p * task.q == n);
        EXPECT_TRUE(inverseOf(given[1], phi) != 0 && inverseOf(given[2], phi) != 0);
        EXPECT_EQ(given[1] * x + given[2] * y, 1);
        EXPECT_TRUE(x > 0 && x < given[2] && y < 0);
        EXPECT_EQ(given[3], powerMod(m, given[1], n));
        EXPECT_EQ(given[4], powerMod(m, given[2], n));
        EXPECT_EQ(given[4] * right(Answer::Inv) % n, 1);
        EXPECT_TRUE(given[3] != m && given[4] != m && given[3] != given[4] &&
                    right(Answer::Inv) != m);
        finds = {{"m", std::to_string(m)}};
        break;
    }
    case Kind::Wiener: {
        const int64_t n = task.numbers[0], e = task.numbers[1];
        const int64_t p = right(Answer::P), q = right(Answer::Q), d = right(Answer::D);
        const int64_t phi = (p - 1) * (q - 1);
        EXPECT_TRUE(prime(p) && prime(q) && p < q && q < 2 * p && p * q == n);
        EXPECT_LT(81 * d * d * d * d, n); // d < n^¼ / 3
        EXPECT_EQ(right(Answer::Phi), phi);
        EXPECT_EQ(e * d % phi, 1);
        EXPECT_EQ(right(Answer::K) * phi, e * d - 1);
        finds = {{"d", std::to_string(d)}, {"p", std::to_string(p)}, {"q", std::to_string(q)}};
        break;
    }
    case Kind::Hastad: {
        const auto& given = task.numbers; // e, n₁, n₂, n₃, c₁, c₂, c₃
        const int64_t m = right(Answer::M);
        EXPECT_EQ(given[0], 3);
        EXPECT_EQ(right(Answer::X), m * m * m);
        for (std::size_t i = 1; i <= 3; ++i) {
            const int64_t n = given[i];
            EXPECT_LT(n, m * m * m); // no block is m³ itself
            EXPECT_LT(m, n);
            EXPECT_EQ(given[i + 3], powerMod(m, 3, n));
            EXPECT_EQ(std::gcd(n, given[i % 3 + 1]), 1);
            for (int64_t p = 2; p * p <= n; ++p) {
                if (n % p == 0) { // e = 3 is valid for n = p · q
                    EXPECT_TRUE(prime(p) && prime(n / p) && (p - 1) % 3 != 0 &&
                                (n / p - 1) % 3 != 0);
                    break;
                }
            }
        }
        finds = {{"m", std::to_string(m)}};
        break;
    }
    default:
        FAIL() << "no kind " << static_cast<int>(task.code.kind);
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::vector<std::uint64_t> numbers(runs[i].begin(), runs[i].end());
        const attacks::Outcome outcome = attacks::runAttack(*attackOf(task.code.kind), numbers);
        EXPECT_FALSE(outcome.refusal);
        const auto wanted = runs.size() == 1 ? finds : decltype(finds){finds[i]};
        for (const auto& find : wanted) {
            EXPECT_NE(std::find(outcome.found.begin(), outcome.found.end(), find),
                      outcome.found.end())
                << find.first << "=" << find.second;
        }
    }
}

void expectValid(const Task& task) {
    if (attackOf(task.code.kind)) {
        expectValidAttack(task);
        return;
    }
    const auto [lowest, below, exponentsBelow] = rangeOf(task.code.level);
    EXPECT_TRUE(prime(task.p) && prime(task.q));
    EXPECT_LT(task.p, task.q);
    EXPECT_GE(task.p, lowest);
    EXPECT_LT(task.q, below);
    EXPECT_GT(task.e, 2);
    EXPECT_LT(task.e, std::min(exponentsBelow, task.phi()));
    EXPECT_EQ(task.e * task.d() % task.phi(), 1);
    EXPECT_NE(task.d(), task.e);
    const int64_t n = task.n();
    if (task.code.kind == Kind::Task) {
        EXPECT_GE(task.m, 2);
        EXPECT_LT(task.m, n);
        EXPECT_NE(powerMod(task.m, task.e, n), task.m);
        EXPECT_LT(task.cPrime, n);
        EXPECT_NE(powerMod(task.cPrime, task.d(), n), task.cPrime);
        return;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_LT(task.blocks[k], n);
        EXPECT_NE(powerMod(task.blocks[k], task.d(), n), task.blocks[k]);
        EXPECT_NE(task.blocks[k], task.blocks[(k + 1) % 3]);
    }
}

// The usual mistakes of an attack's answer, as the learner would compute them.
std::map<Mistake, int64_t> attackMistakes(const Task& task, Answer answer) {
    const auto right = [&](Answer asked) { return rightAnswer(task, asked); };
    switch (task.code.kind) {
    case Kind::Fermat: {
        const int64_t n = task.numbers[0], a = right(Answer::A), b = right(Answer::B);
        switch (answer) {
        case Answer::A:
            return {{Mistake::FermatFloorRoot, squareRoot(n)},
                    {Mistake::FermatNotFirst, (n + 1) / 2}};
        case Answer::B:
            return {{Mistake::FermatBSquared, a * a - n}, {Mistake::FermatNotFirst, (n - 1) / 2}};
        case Answer::P:
            return {{Mistake::FactorLarger, a + b},
                    {Mistake::FactorTrivial, 1},
                    {Mistake::FermatForgotB, a}};
        default:
            return {{Mistake::FactorSmaller, a - b},
                    {Mistake::FactorTrivial, n},
                    {Mistake::FermatForgotB, a}};
        }
    }
    case Kind::Shared: {
        const int64_t g = right(Answer::G), a = right(Answer::A), b = right(Answer::B);
        const auto& n = task.numbers;
        const std::size_t first = n[0] % g == 0 ? 0 : 1;
        const std::size_t second = n[2] % g == 0 ? 2 : 1;
        const std::size_t alone = 3 - first - second;
        int64_t smallest = 2; // the lone key's smaller prime
        while (n[alone] % smallest != 0) {
            ++smallest;
        }
        switch (answer) {
        case Answer::G:
            return {{Mistake::SharedNoPrime, std::gcd(n[first], n[alone])},
                    {Mistake::SharedOnlyOne, smallest},
                    {Mistake::SharedIsModulus, n[alone]}};
        case Answer::A:
            return {{Mistake::SharedIsG, g},
                    {Mistake::SharedIsModulus, n[first]},
                    {Mistake::SharedSwapped, b}};
        default:
            return {{Mistake::SharedIsG, g},
                    {Mistake::SharedIsModulus, n[second]},
                    {Mistake::SharedSwapped, a}};
        }
    }
    case Kind::SmallE: {
        const int64_t c = task.numbers[2 + static_cast<std::size_t>(answer) -
                                       static_cast<std::size_t>(Answer::M1)];
        return {{Mistake::SmallEDivided, c / 3}, {Mistake::SmallESquareRoot, squareRoot(c)}};
    }
    case Kind::Common: {
        const auto& given = task.numbers;
        const int64_t n = given[0], x = right(Answer::X), y = right(Answer::Y);
        switch (answer) {
        case Answer::X:
            return {{Mistake::CommonOtherPair, x - given[2]}};
        case Answer::Y:
            return {{Mistake::CommonYSign, -y}, {Mistake::CommonOtherPair, y + given[1]}};
        case Answer::Inv:
            return {{Mistake::CommonInvNegated, n - given[4]}};
        default:
            return {{Mistake::CommonNoInverse,
                     powerMod(given[3], x, n) * powerMod(given[4], -y, n) % n}};
        }
    }
    case Kind::Wiener: {
        const int64_t n = task.numbers[0], e = task.numbers[1];
        const int64_t k = right(Answer::K), d = right(Answer::D);
        switch (answer) {
        case Answer::K:
            return {{Mistake::WienerSwapped, d}};
        case Answer::D:
            return {{Mistake::WienerSwapped, k}};
        case Answer::Phi:
            return {{Mistake::WienerPhiNotDivided, e * d - 1}, {Mistake::PhiIsNMinusOne, n - 1}};
        case Answer::P:
            return {{Mistake::FactorLarger, right(Answer::Q)}, {Mistake::FactorTrivial, 1}};
        default:
            return {{Mistake::FactorSmaller, right(Answer::P)}, {Mistake::FactorTrivial, n}};
        }
    }
    case Kind::Hastad: {
        const auto& given = task.numbers;
        if (answer == Answer::M) {
            const int64_t c = given[4];
            int64_t root = 0;
            while ((root + 1) * (root + 1) * (root + 1) <= c) {
                ++root;
            }
            return {{Mistake::HastadRootOfC, root}};
        }
        // The CRT terms cᵢ · Nᵢ without the inverses, multiplied by doubling
        // (N stays below 2⁶³).
        const std::uint64_t product = static_cast<std::uint64_t>(given[1] * given[2] * given[3]);
        std::uint64_t sum = 0;
        for (std::size_t i = 1; i <= 3; ++i) {
            std::uint64_t term = 0, doubled = product / static_cast<std::uint64_t>(given[i]);
            for (auto c = static_cast<std::uint64_t>(given[i + 3]); c > 0; c >>= 1) {
                term = (c & 1) != 0 ? (term + doubled) % product : term;
                doubled = doubled * 2 % product;
            }
            sum = (sum + term) % product;
        }
        return {{Mistake::HastadNoInverse, static_cast<int64_t>(sum)}};
    }
    default:
        return {};
    }
}

// The usual mistakes of each answer, as the learner would compute them.
std::map<Mistake, int64_t> learnersMistakes(const Task& task, Answer answer) {
    if (attackOf(task.code.kind)) {
        return attackMistakes(task, answer);
    }
    const int64_t p = task.p, q = task.q, n = task.n(), phi = task.phi(), e = task.e;
    const int64_t d = task.d();
    const int64_t inverseModN = inverseOf(e, n);
    switch (answer) {
    case Answer::N:
        return {{Mistake::NIsSum, p + q}, {Mistake::NIsPhi, phi}};
    case Answer::Phi:
        return {{Mistake::PhiIsN, n},
                {Mistake::PhiIsNMinusOne, n - 1},
                {Mistake::PhiIsSum, p + q - 2},
                {Mistake::PhiMissingOne, n - p - q}};
    case Answer::D:
        return {{Mistake::DNegative, d - phi},
                {Mistake::DNotReduced, d + phi},
                {Mistake::DInverseModN, inverseModN}};
    case Answer::C:
        return {{Mistake::EncryptMultiplied, task.m * e % n},
                {Mistake::EncryptUsedD, powerMod(task.m, d, n)},
                {Mistake::NotReduced, powerMod(task.m, e, n) + n}};
    case Answer::P:
        return {{Mistake::FactorLarger, q}, {Mistake::FactorTrivial, 1}};
    case Answer::Q:
        return {{Mistake::FactorSmaller, p}, {Mistake::FactorTrivial, n}};
    default:
        break;
    }
    const int64_t cipher =
        answer == Answer::R
            ? task.cPrime
            : task.blocks[static_cast<std::size_t>(answer) - static_cast<std::size_t>(Answer::M1)];
    return {{Mistake::DecryptUsedE, powerMod(cipher, e, n)},
            {Mistake::DecryptModPhi, powerMod(cipher, d, phi)},
            {Mistake::NotReduced, powerMod(cipher, d, n) + n}};
}

bool isPower(Answer answer) {
    return answer == Answer::C || answer == Answer::R ||
           (answer >= Answer::M1 && answer <= Answer::M3);
}

// No task of any kind or level grades a usual mistake right, in its own box
// or in another power's box, and a failing check never shows an answer: the
// learner who types x with xᵉ = an answer into a block's box is not told it.
TEST(ExerciseProperty, NoMistakeIsGradedRightAndNoCheckShowsAnAnswer) {
    std::mt19937 random(20261208);
    int tasks = 0, quiet = 0;
    for (int i = 0; i < 120000; ++i, ++tasks) {
        const TaskCode code = codeFromRandom(static_cast<Kind>(i % kindCount),
                                             static_cast<Level>(i / kindCount % 3), random());
        const Task task = taskFromCode(code);
        const std::vector<Answer>& answers = answersOf(code.kind);
        std::vector<int64_t> rights;
        for (Answer answer : answers) {
            rights.push_back(rightAnswer(task, answer));
        }
        const auto isAnAnswer = [&](const std::string& shown) {
            return std::any_of(rights.begin(), rights.end(),
                               [&](int64_t right) { return std::to_string(right) == shown; });
        };
        for (Answer answer : answers) {
            for (const auto& [mistake, value] : learnersMistakes(task, answer)) {
                for (std::size_t k = 0; k < answers.size(); ++k) {
                    if (answers[k] == answer || (isPower(answers[k]) && isPower(answer))) {
                        ASSERT_NE(value, rights[k])
                            << code.text() << ' ' << answerName(answer) << " typed as "
                            << answerName(answers[k]) << ", mistake " << static_cast<int>(mistake);
                    }
                }
            }
            if (attackOf(code.kind)) {
                // Near misses and the other boxes' answers: whatever an
                // attack's check says, it names no answer.
                const int64_t right = rightAnswer(task, answer);
                std::vector<int64_t> typed = rights;
                typed.insert(typed.end(), {right - 1, right + 1, right + 2, 2 * right});
                for (const int64_t value : typed) {
                    const Diagnosis diagnosis = diagnose(task, answer, std::to_string(value));
                    for (const std::string& number : diagnosis.numbers) {
                        ASSERT_FALSE(isAnAnswer(number)) << code.text() << ' ' << answerName(answer)
                                                         << '=' << value << " names " << number;
                    }
                    quiet += diagnosis.rule == Mistake::CheckFailsQuiet ? 1 : 0;
                }
                continue;
            }
            if (!isPower(answer) || answer == Answer::C) {
                continue;
            }
            for (int64_t right : rights) {
                const int64_t typed = powerMod(right % task.n(), task.d(), task.n());
                const Diagnosis diagnosis = diagnose(task, answer, std::to_string(typed));
                if (diagnosis.rule == Mistake::DecryptCheckFails) {
                    ASSERT_FALSE(isAnAnswer(diagnosis.numbers[2])) << code.text();
                }
                quiet += diagnosis.rule == Mistake::CheckFailsQuiet ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(tasks, 120000);
    EXPECT_GT(quiet, 1000); // the quiet sentence was needed, and given
}

TEST(ExerciseProperty, RandomCodesGiveValidTasksWhoseMistakesAreNamed) {
    std::mt19937 random(20261207);
    std::map<Mistake, int> named;
    for (int i = 0; i < 600; ++i) {
        const TaskCode code = codeFromRandom(static_cast<Kind>(i % kindCount),
                                             static_cast<Level>(i / kindCount % 3), random());
        Exercise exercise(code);
        const Task& task = exercise.task();
        SCOPED_TRACE(code.text());
        expectValid(task);
        EXPECT_EQ(taskFromCode(code).e, task.e); // the same code, the same task

        for (Answer answer : exercise.answers()) {
            const int64_t right = rightAnswer(task, answer);
            EXPECT_FALSE(hintFor(exercise, answer, nullptr).empty());
            const std::map<Mistake, int64_t> usual = learnersMistakes(task, answer);
            for (const auto& [mistake, value] : usual) {
                const bool shared = std::count_if(usual.begin(), usual.end(), [&](const auto& u) {
                                        return u.second == value;
                                    }) > 1;
                if (value == right || value == 0 || shared) {
                    continue;
                }
                EXPECT_EQ(exercise.check(answer, std::to_string(value)).rule, mistake)
                    << answerName(answer) << "=" << value;
                ++named[mistake];
            }
            EXPECT_FALSE(exercise.resultCode());
        }
        const TeacherView teacher = teacherView(code);
        for (const auto& [answer, value] : teacher.answers) {
            EXPECT_EQ(value, rightAnswer(task, answer));
            if (answer != Answer::Phi || code.kind != Kind::Attacker) {
                EXPECT_TRUE(exercise.check(answer, std::to_string(value)).right());
            }
        }
        EXPECT_EQ(exercise.resultCode(), teacher.resultCode);
        if (attackOf(code.kind)) {
            // The worked attack (one per block for small e) is not refused.
            const std::vector<explain::Section> solution = solutionOf(task, nullptr);
            EXPECT_EQ(solution.size(), code.kind == Kind::SmallE ? 3u : 1u);
            for (const explain::Section& section : solution) {
                for (const explain::Group& group : section.groups) {
                    EXPECT_NE(group.title, texts::attacks::refusedTitle);
                }
            }
            continue;
        }
        // The solution's last table of each power section ends in the answer.
        const std::vector<explain::Section> solution = solutionOf(task, nullptr);
        const std::vector<Answer>& answers = exercise.answers();
        const std::size_t powers = code.kind == Kind::Task ? 2 : 3;
        ASSERT_EQ(solution.size(), code.kind == Kind::Task ? 3u : 5u);
        for (std::size_t k = 0; k < powers; ++k) {
            const explain::Section& section = solution[solution.size() - powers + k];
            const auto& table = std::get<explain::Table>(section.groups.back().elements.back());
            EXPECT_EQ(table.rows.back().back(),
                      std::to_string(rightAnswer(task, answers[answers.size() - powers + k])));
        }
    }
    // Every usual mistake was met and named many times.
    EXPECT_EQ(named.size(), 36u);
    for (const auto& [mistake, count] : named) {
        EXPECT_GE(count, 20) << static_cast<int>(mistake);
    }
}

} // namespace
} // namespace rsa::exercise
