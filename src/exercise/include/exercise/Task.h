#pragma once

// An exercise task and its answers. A task gives p, q, e, a plain block m and
// a cipher block c′; the learner finds n, φ, d, c = mᵉ mod n and
// r = c′ᵈ mod n. The attacker's task gives only (e, n) and three cipher
// blocks; the learner finds p and q (p the smaller), d and the three plain
// blocks. An attack's task gives the numbers the attack starts from (the
// attacks library's input) and asks for its intermediate numbers and its
// result. The task follows from its code alone through a generator fixed
// here (SplitMix64), never the standard library's distributions, so every
// machine draws the same numbers. Every number is exact in 64 bits: p and q
// stay below 1000 (10,000 for Wiener's attack), and the product of Håstad's
// three moduli below 2⁶³.

#include "exercise/TaskCode.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rsa::exercise {

// The answers of every kind; A to K are the attacks' (Fermat's a and b, the
// shared prime g, the common modulus's Bezout x and y and c₂⁻¹, m, Wiener's k).
enum class Answer { N, Phi, D, C, R, P, Q, M1, M2, M3, A, B, G, X, Y, Inv, M, K };

struct Task {
    TaskCode code;
    std::int64_t p = 0; // of a shared prime's task: the primes of the key that
    std::int64_t q = 0; // shares none
    std::int64_t e = 0;
    std::int64_t m = 0;                   // the plain block to encrypt (a task)
    std::int64_t cPrime = 0;              // the cipher block to decrypt (a task)
    std::array<std::int64_t, 3> blocks{}; // the attacker's cipher blocks
    // An attack's task: its givens in the order the attack takes them, and
    // its answers in the order of the boxes.
    std::vector<std::int64_t> numbers;
    std::vector<std::pair<Answer, std::int64_t>> solved;

    std::int64_t n() const { return p * q; }
    std::int64_t phi() const { return (p - 1) * (q - 1); }
    std::int64_t d() const;
};

// The task of a code. Every one is valid: p != q, both prime, within the
// level's range; 1 < e < φ with gcd(e, φ) = 1, and raising to d is not
// raising to e (so d != e); blocks from 2 to n - 1 that do not encrypt to
// themselves, the plain blocks all different.
Task taskFromCode(const TaskCode& code);

// A given number, or a list of them, as the window shows it (one symbol
// each: "n", or "c₁", "c₂", "c₃") and the scenario driver prints it under
// one name ("n=187", "c=C1,C2,C3").
struct Given {
    const char* name;
    std::vector<std::string> symbols;
    std::vector<std::int64_t> values;
};
std::vector<Given> givensOf(const Task& task);

// The answers a task asks for, in the order of the window's boxes.
const std::vector<Answer>& answersOf(Kind kind);

// The caption beside an answer's box (a formula, or a catalogue text in
// words), and what the learner does, under the task's title.
const char* captionOf(Kind kind, Answer answer);
const char* introOf(Kind kind);

// The right answer.
std::int64_t rightAnswer(const Task& task, Answer answer);

// "n", "phi", "d", "c", "r", "p", "q", "m1", "m2", "m3", "a", "b", "g", "x",
// "y", "inv", "m", "k": the answer's name on the scenario driver's lines; and
// the symbol the window shows ("φ", "m₁", "c₂⁻¹").
const char* answerName(Answer answer);
const char* answerSymbol(Answer answer);
// The symbol of the block a power's answer is computed from: "m" for c, "c′"
// for r, "c₁" for m₁; nothing for the other answers.
const char* baseSymbol(Answer answer);

// The primes a level draws from: kolay 3-19, orta 11-97, zor 101-997; and
// the public exponents: below 20, 100 and 1000.
struct LevelRange {
    std::int64_t lowestPrime;
    std::int64_t primesBelow;
    std::int64_t exponentsBelow;
};
LevelRange rangeOf(Level level);

} // namespace rsa::exercise
