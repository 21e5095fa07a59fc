#pragma once

// Sections of the step window for numbers that did not come from the main
// window: an exercise's key, one block raised to a power, and n factored by
// trial division. They are the step window's own sections (the key section is
// the one "private anahtarı hesapla" shows for the same p, q and e), so a
// worked solution and the step window can never disagree. Each speaks the
// language of the translator handed in, as explainCommand does.

#include "explain/Explanation.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace rsa::explain {

// The key section for the primes p != q, an exponent e and its inverse d
// modulo (p - 1)(q - 1); p * q below 2^31.
Section explainKey(std::int64_t p, std::int64_t q, std::int64_t e, std::int64_t d,
                   Translator translator);

// One block to a power modulo n, by square-and-multiply: the method and its
// table, the result and the base named by the symbols the exercise's boxes
// use (r = c′ᵈ mod n, m₁ = c₁ᵈ mod n).
struct PowerSymbols {
    std::string result;
    std::string base;
};
Section explainBlockPower(const PowerSymbols& symbols, std::uint64_t base, std::uint64_t exponent,
                          std::uint64_t modulus, Translator translator);

// n factored by trial division, as the attacker's part tells it.
Section explainFactoring(std::uint64_t n, Translator translator);

} // namespace rsa::explain
