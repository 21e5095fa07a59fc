#pragma once

// An attack done by hand as an exercise task: how its numbers are drawn, the
// answers it asks for, the usual mistakes of each (the list the diagnosis and
// the generator both read), the check an answer that is no usual mistake
// fails, the hints, and the worked attack, which is the attacks library's own
// section on the task's numbers. Each kind is one file (FermatTask.cpp, ...)
// behind this interface, so that the task, its diagnosis and its guidance
// need no case per kind.

#include "AnswerNumber.h"
#include "Generator.h"
#include "attacks/Attack.h"
#include "exercise/Diagnosis.h"
#include "exercise/Exercise.h"
#include "explain/Section.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace rsa::exercise {

using Mistakes = std::vector<std::pair<Mistake, std::int64_t>>;
using Translator = texts::Translator;

class AttackTask {
public:
    AttackTask(attacks::AttackId attack, const char* intro, std::vector<Answer> answers,
               std::vector<const char*> captions)
        : attack(attack), intro(intro), answers(std::move(answers)), captions(std::move(captions)) {
    }
    virtual ~AttackTask() = default;

    const attacks::AttackId attack;
    const char* const intro; // what the learner does, under the title
    const std::vector<Answer> answers;
    // Beside each box, in the order of answers: a formula, or a catalogue
    // text in words.
    const std::vector<const char*> captions;

    // One draw of the task's numbers and answers (task.code is set); the
    // caller draws again while a usual mistake would be graded right.
    virtual void draw(Generator& random, Task& task) const = 0;
    virtual std::vector<Given> givens(const Task& task) const = 0;
    virtual Mistakes mistakes(const Task& task, Answer answer) const = 0;
    // What an answer that is no usual mistake fails; never its right number.
    virtual Diagnosis check(const Task& task, Answer answer, const AnswerNumber& number) const = 0;
    virtual std::string hint(const Exercise& exercise, Answer answer,
                             Translator translator) const = 0;
    // The attack's section on the task's numbers.
    virtual std::vector<explain::Section> solution(const Task& task, Translator translator) const {
        std::vector<std::uint64_t> numbers(task.numbers.begin(), task.numbers.end());
        return {attacks::runAttack(attack, numbers, translator).section};
    }
};

// The kind's attack task; nothing for the task and the attacker's task.
const AttackTask* attackTask(Kind kind);

const AttackTask& fermatTask();
const AttackTask& sharedPrimeTask();
const AttackTask& smallETask();
const AttackTask& commonModulusTask();
const AttackTask& wienerTask();
const AttackTask& hastadTask();

// What the kinds' checks and hints share with the two first kinds.
std::string shown(std::int64_t value);
Diagnosis found(Mistake mistake, std::vector<std::string> numbers = {});
// A check that fails, with the numbers it names, unless computed is an
// answer of the task: then the sentence names the check alone.
Diagnosis checkFails(const Task& task, Answer asked, std::int64_t computed, Mistake mistake,
                     std::vector<std::string> numbers, const std::string& check);
// "Sağlama: {check} = {computed}; {expected} olmalı", quiet as checkFails.
Diagnosis checkShows(const Task& task, Answer asked, const std::string& check,
                     std::int64_t computed, const std::string& expected);
// A factor of n that does not divide it.
Diagnosis factorCheck(const Task& task, Answer asked, const AnswerNumber& answer, std::int64_t n);
// The usual mistakes of a factor of n: 0, 1, n and the other factor.
Mistakes factorMistakes(Answer asked, std::int64_t p, std::int64_t q);
// Whether an answer is neither found nor shown yet.
bool isOpen(const Exercise& exercise, Answer answer);
// The hint of an answer that needs the answers first (their symbols) found.
std::string needsFirst(Answer answer, const std::string& first, Translator translator);
// A hint's pattern filled with whole numbers, in the translator's language.
std::string hintText(const char* pattern, std::initializer_list<std::int64_t> numbers,
                     Translator translator);
// The primes of the level's range for which e = 3 is a valid exponent (3
// divides no p − 1), the range raised to below 50: a kolay n of primes below
// 20 holds no three cubes whose usual mistakes all differ from the blocks,
// and there are too few of them for three moduli.
std::vector<std::int64_t> primesForCubes(Level level);

} // namespace rsa::exercise
