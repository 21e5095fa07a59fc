#include "explain/Arithmetic.h"

#include "Language.h"
#include "numbers/TrialDivision.h"

#include <utility>

namespace rsa::explain {

namespace {

std::string digitsIn(std::uint64_t value, const char* const (&glyphs)[10]) {
    std::string text;
    for (char digit : std::to_string(value)) {
        text += glyphs[digit - '0'];
    }
    return text;
}

} // namespace

std::string number(std::int64_t value) {
    // The typographic minus: a hyphen in a formula reads as a dash.
    return value < 0 ? "−" + std::to_string(-static_cast<std::uint64_t>(value))
                     : std::to_string(value);
}

std::string superscript(std::uint64_t value) {
    static const char* const glyphs[10] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    return digitsIn(value, glyphs);
}

std::string subscript(std::uint64_t value) {
    static const char* const glyphs[10] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    return digitsIn(value, glyphs);
}

std::string binary(std::uint64_t value) {
    std::string bits;
    for (int bit = bitLength(value) - 1; bit >= 0; --bit) {
        bits += ((value >> bit) & 1) != 0 ? '1' : '0';
    }
    return (bits.empty() ? "0" : bits) + subscript(2);
}

std::string factorisationText(std::uint64_t n) {
    std::string text = std::to_string(n) + " =";
    const char* separator = " ";
    for (auto [prime, power] : primeFactors(n)) {
        text += separator + std::to_string(prime) + (power > 1 ? superscript(power) : "");
        separator = " · ";
    }
    return text;
}

Table euclidTable(const EuclidRows& steps, std::vector<std::string> columns) {
    Table table{std::move(columns), {}};
    for (const EuclidRow& row : steps.rows) {
        const bool first = table.rows.empty();
        table.rows.push_back({std::to_string(table.rows.size()), number(row.r),
                              first ? "" : number(row.q), number(row.s), number(row.t)});
    }
    if (steps.inverse) {
        table.rows.push_back({texts::euclidResultRow, "", "", "", number(*steps.inverse)});
    }
    return table;
}

Table powerTable(const PowerRows& steps, std::vector<std::string> columns) {
    using std::to_string;
    Table table{std::move(columns), {}};
    for (const PowerRow& row : steps.rows) {
        table.rows.push_back({to_string(table.rows.size() + 1), row.bit ? "1" : "0",
                              to_string(row.square), to_string(row.squared),
                              row.bit ? to_string(row.product) : "–", to_string(row.result)});
    }
    return table;
}

} // namespace rsa::explain
