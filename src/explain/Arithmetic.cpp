#include "Arithmetic.h"

#include "Language.h"

#include <cmath>
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

int bitLength(std::uint64_t value) {
    int length = 0;
    for (; value != 0; value >>= 1) {
        ++length;
    }
    return length;
}

std::uint64_t integerSquareRoot(std::uint64_t value) {
    auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(value)));
    while (root * root > value) {
        --root;
    }
    while ((root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

TrialDivision smallestDivisor(std::uint64_t n) {
    if (n % 2 == 0) {
        return {2, 1};
    }
    std::uint64_t divisions = 1;
    for (std::uint64_t candidate = 3; candidate * candidate <= n; candidate += 2) {
        ++divisions;
        if (n % candidate == 0) {
            return {candidate, divisions};
        }
    }
    return {n, divisions};
}

std::vector<std::pair<std::uint64_t, int>> primeFactors(std::uint64_t n) {
    std::vector<std::pair<std::uint64_t, int>> factors;
    while (n > 1) {
        const std::uint64_t prime = smallestDivisor(n).divisor;
        int power = 0;
        for (; n % prime == 0; n /= prime) {
            ++power;
        }
        factors.emplace_back(prime, power);
    }
    return factors;
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

EuclidSteps euclidSteps(std::int64_t phi, std::int64_t e, std::vector<std::string> columns) {
    using std::to_string;
    EuclidSteps steps{{std::move(columns), {}}, phi, 0, 0};
    // Each row keeps r = s * phi + t * e; the next remainder is the one before
    // minus q times this one. The larger of the two starts, so that with
    // e >= phi the first division is the reduction e = q * phi + r.
    const bool eFirst = e >= phi;
    std::int64_t r[2] = {phi, e};
    std::int64_t s[2] = {1, 0};
    std::int64_t t[2] = {0, 1};
    if (eFirst) {
        std::swap(r[0], r[1]);
        std::swap(s[0], s[1]);
        std::swap(t[0], t[1]);
    }
    steps.table.rows.push_back({"0", number(r[0]), "", number(s[0]), number(t[0])});
    for (int row = 1; r[1] != 0; ++row) {
        const std::int64_t q = r[0] / r[1];
        steps.table.rows.push_back(
            {to_string(row), number(r[1]), number(q), number(s[1]), number(t[1])});
        steps.gcd = r[1];
        steps.lastT = t[1];
        const std::int64_t next[3] = {r[0] - q * r[1], s[0] - q * s[1], t[0] - q * t[1]};
        r[0] = r[1], s[0] = s[1], t[0] = t[1];
        r[1] = next[0], s[1] = next[1], t[1] = next[2];
    }
    if (steps.gcd == 1) {
        steps.inverse = ((steps.lastT % phi) + phi) % phi;
        steps.table.rows.push_back({texts::euclidResultRow, "", "", "", number(steps.inverse)});
    }
    return steps;
}

PowerSteps powerSteps(std::uint64_t base, std::uint64_t exponent, std::uint64_t modulus,
                      std::vector<std::string> columns) {
    PowerSteps steps{{std::move(columns), {}}, 1 % modulus};
    base %= modulus;
    int row = 1;
    for (int bit = bitLength(exponent) - 1; bit >= 0; --bit, ++row) {
        const bool set = ((exponent >> bit) & 1) != 0;
        const std::uint64_t square = steps.result * steps.result;
        steps.result = square % modulus;
        std::vector<std::string> cells = {std::to_string(row), set ? "1" : "0",
                                          std::to_string(square), std::to_string(steps.result)};
        if (set) {
            const std::uint64_t product = steps.result * base;
            steps.result = product % modulus;
            cells.push_back(std::to_string(product));
        } else {
            cells.push_back("–");
        }
        cells.push_back(std::to_string(steps.result));
        steps.table.rows.push_back(std::move(cells));
    }
    return steps;
}

} // namespace rsa::explain
