// The attacks that factor n: Fermat's method, Pollard's p − 1, a shared
// prime, Wiener's continued fraction and a fault in a CRT signature.

#include "Work.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/NumberTheory.h"
#include "numbers/TrialDivision.h"
#include "texts/AttackTexts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rsa::attacks {

namespace text = texts::attacks;

namespace {

// As many rows as a class reads; primes further apart are the failing case.
constexpr std::uint64_t fermatSteps = 20;
constexpr std::uint64_t largestBound = 1000;

bool factors(Work& work, std::uint64_t n, std::uint64_t p) {
    const std::uint64_t q = n / p;
    work.found("p", to_string(p));
    work.found("q", to_string(q));
    work.paragraph(work.say(text::factorsFound, {to_string(n), to_string(p), to_string(q)}));
    return true;
}

// The whole part and two decimals of a value that is not negative; the
// sentence puts the decimal mark of its language between them.
std::pair<std::string, std::string> decimal(double value) {
    const auto hundredths = static_cast<std::uint64_t>(std::llround(value * 100));
    const std::uint64_t fraction = hundredths % 100;
    return {std::to_string(hundredths / 100),
            (fraction < 10 ? "0" : "") + std::to_string(fraction)};
}

} // namespace

void fermat(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    if (!work.modulus(n) || !work.odd(n)) {
        return;
    }
    const std::uint64_t root = integerSquareRoot(n);
    std::uint64_t a = root * root == n ? root : root + 1;
    work.paragraph(work.say(text::fermatStart, {to_string(n), to_string(root), to_string(a)}));
    explain::Table table{work.columns(text::fermatColumns), {}};
    for (std::uint64_t step = 1; step <= fermatSteps; ++step, ++a) {
        const std::uint64_t difference = a * a - n;
        const std::uint64_t b = integerSquareRoot(difference);
        const bool square = b * b == difference;
        table.rows.push_back({to_string(step), to_string(a), to_string(difference),
                              square ? work.say(text::yes, {to_string(b)}) : work.say(text::no)});
        if (square) {
            work.table(std::move(table));
            if (a - b == 1) {
                work.refuse(RefusalKind::FermatPrime, {to_string(n)});
                return;
            }
            factors(work, n, a - b);
            work.found("steps", to_string(step));
            return;
        }
    }
    work.table(std::move(table));
    work.refuse(RefusalKind::FermatSteps, {to_string(fermatSteps)});
}

void pMinus1(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t bound = numbers[1];
    if (!work.modulus(n) || !work.odd(n)) {
        return;
    }
    if (bound < 2 || bound > largestBound) {
        work.refuse(RefusalKind::Exponent, {to_string(bound), to_string(largestBound)});
        return;
    }
    work.paragraph(work.say(text::pMinus1Start, {to_string(bound)}));
    explain::Table table{work.columns(text::pMinus1Columns), {}};
    std::uint64_t a = 2;
    for (std::uint64_t j = 2; j <= bound; ++j) {
        a = modularPower(a, j, n);
        const std::uint64_t divisor = greatestCommonDivisor(a == 0 ? n - 1 : a - 1, n);
        table.rows.push_back({to_string(j), to_string(a), to_string(divisor)});
        if (divisor == n) {
            work.table(std::move(table));
            work.refuse(RefusalKind::PMinus1All, {to_string(bound)});
            return;
        }
        if (divisor > 1) {
            work.table(std::move(table));
            factors(work, n, divisor);
            return;
        }
    }
    work.table(std::move(table));
    work.refuse(RefusalKind::PMinus1None, {to_string(bound)});
}

SharedPrimes sharedPrimes(const std::vector<std::uint64_t>& moduli) {
    SharedPrimes shared{{}, std::vector<std::optional<Factors>>(moduli.size())};
    for (std::size_t i = 0; i < moduli.size(); ++i) {
        for (std::size_t j = i + 1; j < moduli.size(); ++j) {
            const std::uint64_t divisor = greatestCommonDivisor(moduli[i], moduli[j]);
            shared.pairs.push_back({i, j, divisor});
            for (const std::size_t k : {i, j}) {
                if (divisor > 1 && divisor < moduli[k] && !shared.factors[k]) {
                    const std::uint64_t other = moduli[k] / divisor;
                    shared.factors[k] = {std::min(divisor, other), std::max(divisor, other)};
                }
            }
        }
    }
    return shared;
}

std::string factorsText(const Factors& factors) {
    return to_string(factors.first) + "*" + to_string(factors.second);
}

// Up to this many typed keys (15 pairs) the table shows every pair.
constexpr std::size_t mostKeysWithEveryPair = 6;

void factorSharedPrimes(Work& work, const std::vector<std::uint64_t>& moduli,
                        const std::vector<std::size_t>& lines) {
    const bool byLine = !lines.empty();
    const auto name = [&](std::size_t k) { return to_string(byLine ? lines[k] : moduli[k]); };
    const SharedPrimes shared = sharedPrimes(moduli);
    // A handful of typed keys shows every pair, the ones that share nothing
    // too; a longer list only those that do, or its table would run to
    // thousands of rows.
    const bool everyPair = !byLine && moduli.size() <= mostKeysWithEveryPair;
    if (!everyPair) {
        work.paragraph(
            work.say(text::listPairs, {to_string(moduli.size()), to_string(shared.pairs.size())}));
    }
    explain::Table table{
        byLine ? work.columns(text::listColumns) : work.columns(text::sharedColumns), {}};
    for (const PairGcd& pair : shared.pairs) {
        if (everyPair || pair.divisor > 1) {
            std::vector<std::string> row;
            if (byLine) {
                row = {name(pair.first), name(pair.second)};
            }
            row.insert(row.end(), {to_string(moduli[pair.first]), to_string(moduli[pair.second]),
                                   to_string(pair.divisor)});
            table.rows.push_back(std::move(row));
        }
    }
    if (!table.rows.empty()) {
        work.table(std::move(table));
    }
    bool any = false;
    for (std::size_t k = 0; k < moduli.size(); ++k) {
        if (const auto& factors = shared.factors[k]) {
            any = true;
            work.found(name(k), factorsText(*factors));
            const std::string p = to_string(factors->first), q = to_string(factors->second);
            work.paragraph(byLine ? work.say(text::listFound, {name(k), to_string(moduli[k]), p, q})
                                  : work.say(text::sharedFound, {name(k), p, q}));
        }
    }
    if (!any) {
        work.refuse(RefusalKind::SharedNone, {});
    }
}

void sharedPrime(Work& work, const std::vector<std::uint64_t>& numbers) {
    for (const std::uint64_t n : numbers) {
        if (!work.modulus(n)) {
            return;
        }
    }
    factorSharedPrimes(work, numbers, {});
}

void wiener(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e = numbers[1];
    if (!work.modulus(n) || !work.block(e, n)) {
        return;
    }
    const double fourthRoot = std::pow(static_cast<double>(n), 0.25);
    const auto [root, rootDecimals] = decimal(fourthRoot);
    const auto [bound, boundDecimals] = decimal(fourthRoot / 3);
    work.paragraph(work.say(text::wienerBound, {root, rootDecimals, bound, boundDecimals}));
    explain::Table table{work.columns(text::wienerColumns), {}};
    std::size_t index = 0;
    for (const ConvergentRow& row : convergents(e, n)) {
        std::vector<std::string> line{to_string(index++),
                                      to_string(row.quotient),
                                      to_string(row.h) + "/" + to_string(row.k),
                                      "–",
                                      "–",
                                      "–"};
        const std::uint64_t k = row.h;
        const std::uint64_t d = row.k;
        if (k != 0 && (e * d - 1) % k == 0) {
            const std::uint64_t phi = (e * d - 1) / k;
            line[3] = to_string(phi);
            if (phi < n) {
                const std::uint64_t sum = n - phi + 1;
                line[4] = to_string(sum);
                const auto square = checkedPower(sum, 2);
                if (square && *square >= 4 * n) {
                    const std::uint64_t discriminant = *square - 4 * n;
                    const std::uint64_t root = integerSquareRoot(discriminant);
                    const std::uint64_t p = (sum - root) / 2;
                    if (root * root == discriminant && p > 1 && p * (sum - p) == n) {
                        line[5] = to_string(p) + ", " + to_string(sum - p);
                        table.rows.push_back(std::move(line));
                        work.table(std::move(table));
                        work.found("d", to_string(d));
                        work.found("p", to_string(p));
                        work.found("q", to_string(sum - p));
                        work.paragraph(work.say(text::wienerFound,
                                                {to_string(d), to_string(p), to_string(sum - p),
                                                 to_string(n), to_string(e), to_string(phi)}));
                        return;
                    }
                }
            }
        }
        table.rows.push_back(std::move(line));
    }
    work.table(std::move(table));
    work.refuse(RefusalKind::Wiener, {});
}

void fault(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e = numbers[1];
    const std::uint64_t m = numbers[2];
    const std::uint64_t signature = numbers[3];
    if (!work.modulus(n) || !work.exponent(e) || !work.block(m, n) || !work.block(signature, n)) {
        return;
    }
    const std::uint64_t power = modularPower(signature, e, n);
    const std::uint64_t difference = (power + n - m) % n;
    const std::uint64_t divisor = greatestCommonDivisor(difference, n);
    work.table({work.columns(text::blockColumns),
                {{"1", work.say(text::faultPower), to_string(power)},
                 {"2", work.say(text::faultDifference), to_string(difference)},
                 {"3", work.say(text::faultGcd), to_string(divisor)}}});
    if (divisor == 1 || divisor == n) {
        work.refuse(RefusalKind::FaultNone, {to_string(divisor)});
        return;
    }
    factors(work, n, divisor);
}

} // namespace rsa::attacks
