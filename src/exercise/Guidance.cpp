#include "exercise/Guidance.h"

#include "AttackTask.h"
#include "explain/Arithmetic.h"
#include "explain/TaskExplanation.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/TrialDivision.h"
#include "texts/ExerciseTexts.h"
#include "texts/Wording.h"

namespace rsa::exercise {

namespace {

namespace texts = rsa::texts::exercise;
using std::int64_t;
using std::to_string;

std::string powerHint(Answer answer, int64_t base, int64_t exponent, int64_t n,
                      explain::Translator translator) {
    // The first two rows of the step window's table, cell for cell.
    const explain::Table table = explain::powerTable(powerRows(static_cast<std::uint64_t>(base),
                                                               static_cast<std::uint64_t>(exponent),
                                                               static_cast<std::uint64_t>(n)),
                                                     {});
    std::string rows;
    for (std::size_t i = 0; i < table.rows.size() && i < 2; ++i) {
        const std::vector<std::string>& cells = table.rows[i];
        rows += (i == 0 ? "" : " ") +
                rsa::texts::word(texts::hintPowerRow,
                                 {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]},
                                 translator);
    }
    return rsa::texts::word(texts::hintPower,
                            {answerSymbol(answer), to_string(base),
                             explain::superscript(static_cast<std::uint64_t>(exponent)),
                             to_string(n), explain::binary(static_cast<std::uint64_t>(exponent)),
                             rows},
                            translator);
}

std::string euclidHint(const Task& task, explain::Translator translator) {
    const std::vector<EuclidRow> steps = euclidRows(task.phi(), task.e).rows;
    // Row 1 holds e and the first quotient, row 2 the next remainder.
    return rsa::texts::word(
        texts::hintD,
        {to_string(task.phi()), to_string(task.e), to_string(steps[1].q), to_string(steps[2].r)},
        translator);
}

} // namespace

bool isOpen(const Exercise& exercise, Answer answer) {
    return exercise.state(answer) == AnswerState::Open;
}

std::string needsFirst(Answer answer, const std::string& first, explain::Translator translator) {
    return rsa::texts::word(texts::hintNeedsFirst, {answerSymbol(answer), first}, translator);
}

std::string hintText(const char* pattern, std::initializer_list<std::int64_t> numbers,
                     explain::Translator translator) {
    std::vector<std::string> shown;
    for (const std::int64_t number : numbers) {
        shown.push_back(to_string(number));
    }
    return rsa::texts::word(pattern, shown, translator);
}

std::string hintFor(const Exercise& exercise, Answer answer, explain::Translator translator) {
    const Task& task = exercise.task();
    if (const AttackTask* attack = attackTask(task.code.kind)) {
        return attack->hint(exercise, answer, translator);
    }
    const bool attacker = task.code.kind == Kind::Attacker;
    switch (answer) {
    case Answer::N:
        return hintText(texts::hintN, {task.p, task.q}, translator);
    case Answer::Phi:
        return hintText(texts::hintPhi, {task.p - 1, task.q - 1}, translator);
    case Answer::D:
        if (attacker && (isOpen(exercise, Answer::P) || isOpen(exercise, Answer::Q))) {
            return needsFirst(answer, "p, q", translator);
        }
        if (!attacker && isOpen(exercise, Answer::Phi)) {
            return needsFirst(answer, answerSymbol(Answer::Phi), translator);
        }
        return euclidHint(task, translator);
    case Answer::C:
        return powerHint(answer, task.m, task.e, task.n(), translator);
    case Answer::P:
        return hintText(texts::hintP,
                        {task.n(), static_cast<std::int64_t>(
                                       integerSquareRoot(static_cast<std::uint64_t>(task.n())))},
                        translator);
    case Answer::Q:
        if (isOpen(exercise, Answer::P)) {
            return needsFirst(answer, "p", translator);
        }
        return hintText(texts::hintQ, {task.n(), task.p}, translator);
    default:
        break;
    }
    if (isOpen(exercise, Answer::D)) {
        return needsFirst(answer, "d", translator);
    }
    if (answer == Answer::R) {
        return powerHint(answer, task.cPrime, task.d(), task.n(), translator);
    }
    const int block = static_cast<int>(answer) - static_cast<int>(Answer::M1);
    return powerHint(answer, task.blocks[static_cast<std::size_t>(block)], task.d(), task.n(),
                     translator);
}

std::vector<explain::Section> solutionOf(const Task& task, explain::Translator translator) {
    const auto n = static_cast<std::uint64_t>(task.n());
    const auto d = static_cast<std::uint64_t>(task.d());
    const auto power = [&](Answer answer, std::int64_t value, std::uint64_t exponent) {
        return explain::explainBlockPower({answerSymbol(answer), baseSymbol(answer)},
                                          static_cast<std::uint64_t>(value), exponent, n,
                                          translator);
    };
    if (const AttackTask* attack = attackTask(task.code.kind)) {
        return attack->solution(task, translator);
    }
    std::vector<explain::Section> sections;
    if (task.code.kind == Kind::Task) {
        sections.push_back(explain::explainKey(task.p, task.q, task.e, task.d(), translator));
        sections.push_back(power(Answer::C, task.m, static_cast<std::uint64_t>(task.e)));
        sections.push_back(power(Answer::R, task.cPrime, d));
        return sections;
    }
    sections.push_back(explain::explainFactoring(n, translator));
    sections.push_back(explain::explainKey(task.p, task.q, task.e, task.d(), translator));
    for (std::size_t k = 0; k < task.blocks.size(); ++k) {
        const auto block = static_cast<Answer>(static_cast<int>(Answer::M1) + static_cast<int>(k));
        sections.push_back(power(block, task.blocks[k], d));
    }
    return sections;
}

} // namespace rsa::exercise
