#pragma once

// What every attack shares while it works: the translator, the steps group
// it fills with paragraphs and tables, what it found or why it refused.

#include "attacks/Attack.h"
#include "explain/Arithmetic.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace rsa::attacks {

// Moduli stay below 2^32, where numbers' modular power is exact.
inline constexpr std::uint64_t largestModulus = 0xFFFFFFFFu;
inline constexpr std::uint64_t smallestModulus = 15;
inline constexpr std::uint64_t largestExponent = 64;

class Work {
public:
    explicit Work(texts::Translator translator) : m_translator(translator) {}

    std::string say(const char* text, const std::vector<std::string>& numbers = {}) const {
        return texts::word(text, numbers, m_translator);
    }
    template <std::size_t N>
    std::vector<std::string> columns(const char* const (&titles)[N]) const {
        std::vector<std::string> translated;
        for (const char* title : titles) {
            translated.push_back(say(title));
        }
        return translated;
    }

    void paragraph(std::string text) { m_steps.push_back(std::move(text)); }
    void table(explain::Table table) { m_steps.emplace_back(std::move(table)); }
    void found(std::string key, std::string value) {
        m_found.emplace_back(std::move(key), std::move(value));
    }
    // Always false, so that a check reads `return refuse(...)`.
    bool refuse(RefusalKind rule, std::vector<std::string> numbers) {
        m_refusal = Refusal{rule, std::move(numbers)};
        return false;
    }

    // The checks every attack makes of its numbers; false after a refusal.
    static std::optional<Refusal> modulusRefusal(std::uint64_t n);
    bool modulus(std::uint64_t n);
    bool block(std::uint64_t value, std::uint64_t n);
    bool exponent(std::uint64_t e);
    bool odd(std::uint64_t n);

    Outcome finish(AttackId attack, const std::vector<std::uint64_t>& numbers);
    // given: the paragraph that says which numbers the attack was given, if any.
    Outcome finish(AttackId attack, std::string given);

private:
    texts::Translator m_translator;
    std::vector<explain::Element> m_steps;
    std::vector<std::pair<std::string, std::string>> m_found;
    std::optional<Refusal> m_refusal;
};

using std::to_string;

// One whole number from 0 up as typed, read by the one reader of a typed
// number, or why it is refused: not such a number, or beyond 2^63 - 1.
std::variant<std::uint64_t, Refusal> readNumber(std::string_view piece);

// The gcd of every pair of moduli, in order, and for each modulus the two
// factors (the smaller first) of the first pair that breaks it: what the
// shared-prime attack finds in typed numbers and in a class's list alike.
using Factors = std::pair<std::uint64_t, std::uint64_t>;
struct PairGcd {
    std::size_t first;
    std::size_t second;
    std::uint64_t divisor;
};
struct SharedPrimes {
    std::vector<PairGcd> pairs;
    std::vector<std::optional<Factors>> factors;
};
SharedPrimes sharedPrimes(const std::vector<std::uint64_t>& moduli);
// "11*17", as the driver prints it.
std::string factorsText(const Factors& factors);
// The shared-prime attack's table of gcds and the keys it factors, or its
// refusal when none shares a prime. lines: each key's line in a class's
// list, by which the key is named; empty for typed keys, named by their n.
void factorSharedPrimes(Work& work, const std::vector<std::uint64_t>& moduli,
                        const std::vector<std::size_t>& lines);

// The attacks, each on its numbers in inputOrder's order (their count checked).
void fermat(Work& work, const std::vector<std::uint64_t>& numbers);
void pMinus1(Work& work, const std::vector<std::uint64_t>& numbers);
void sharedPrime(Work& work, const std::vector<std::uint64_t>& numbers);
void wiener(Work& work, const std::vector<std::uint64_t>& numbers);
void fault(Work& work, const std::vector<std::uint64_t>& numbers);
void smallE(Work& work, const std::vector<std::uint64_t>& numbers);
void hastad(Work& work, const std::vector<std::uint64_t>& numbers);
void commonModulus(Work& work, const std::vector<std::uint64_t>& numbers);
void chosen(Work& work, const std::vector<std::uint64_t>& numbers);
void forge(Work& work, const std::vector<std::uint64_t>& numbers);

} // namespace rsa::attacks
