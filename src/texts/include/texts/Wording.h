#pragma once

// The one way a text of the catalogue gets its numbers: it is translated
// first, then every {0}, {1}, ... slot is filled, so a translation keeps the
// slots and may reorder them. Every window and library words its texts
// through here, and every refusal is worded the same way: the rule that
// refused and what its sentence names, looked up in the refusing library's
// table of sentences. No Qt: the libraries below the windows use it too.

#include <string>
#include <string_view>
#include <vector>

namespace rsa::texts {

// Gives a text of the catalogue in the language in use; nullptr keeps the
// source language, Turkish.
using Translator = std::string (*)(const char* text);

// pattern with each {N} replaced by arguments[N]; a brace not followed by
// digits and "}" stays as it is. A slot with no argument is a fault of the
// text or of its translation, and throws std::logic_error rather than show
// "{3}" to a class.
std::string fill(std::string_view pattern, const std::vector<std::string>& arguments);

// text in the translator's language, filled; a null text throws
// std::logic_error too.
std::string word(const char* text, const std::vector<std::string>& arguments = {},
                 Translator translator = nullptr);

// A piece as typed, as a refusal quotes it: its first 24 bytes and "…" when it
// is longer, never a whole pasted page. A few characters tell the learner which
// piece it is, and a long sentence would keep a window busy wrapping it.
std::string quoted(std::string_view piece);

// Why an action was refused, as data: the rule and what its sentence names
// (numbers, or the text as typed), in the order of the sentence's slots. A
// test compares rules and numbers, never phrasing. The library that refuses
// gives each of its rules one sentence of the catalogue through a function
// ruleSentence(Rule), declared beside Rule.
template <typename Rule> struct Refusal {
    Rule rule;
    std::vector<std::string> numbers;
};

template <typename Rule>
std::string word(const Refusal<Rule>& refusal, Translator translator = nullptr) {
    return word(ruleSentence(refusal.rule), refusal.numbers, translator);
}

} // namespace rsa::texts
