// The attacks that recover a message or forge a signature without d: small
// e, Håstad's broadcast, a common modulus, a chosen cipher text and forged
// signatures.

#include "Work.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/NumberTheory.h"
#include "numbers/TrialDivision.h"
#include "texts/AttackTexts.h"

namespace rsa::attacks {

namespace text = texts::attacks;
using explain::superscript;

namespace {

constexpr std::uint64_t largestBroadcast = 9;

// The exact e-th root of value as its table row; the root when it is exact,
// else the refusal by the rule given.
std::optional<std::uint64_t> exactRoot(Work& work, std::uint64_t value, std::uint64_t e,
                                       RefusalKind notExact) {
    const std::uint64_t root = integerRoot(value, static_cast<unsigned>(e));
    const std::uint64_t power = *checkedPower(root, static_cast<unsigned>(e));
    const bool exact = power == value;
    work.table({work.columns(text::rootColumns),
                {{to_string(value), to_string(root), to_string(power),
                  work.say(exact ? text::exact : text::no)}}});
    if (!exact) {
        work.refuse(notExact, {to_string(value), to_string(e)});
        return std::nullopt;
    }
    return root;
}

void message(Work& work, std::uint64_t m, std::uint64_t e, std::uint64_t n, std::uint64_t c) {
    work.found("m", to_string(m));
    work.paragraph(
        work.say(text::messageFound, {to_string(m), superscript(e), to_string(n), to_string(c)}));
}

} // namespace

void smallE(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e = numbers[1];
    const std::uint64_t c = numbers[2];
    if (!work.modulus(n) || !work.exponent(e) || !work.block(c, n)) {
        return;
    }
    if (const auto m = exactRoot(work, c, e, RefusalKind::NotPower)) {
        message(work, *m, e, n, modularPower(*m, e, n));
    }
}

void hastad(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t e = numbers[0];
    if (e < 2 || e > largestBroadcast) {
        work.refuse(RefusalKind::Exponent, {to_string(e), to_string(largestBroadcast)});
        return;
    }
    if (numbers.size() != 2 * e + 1) {
        work.refuse(RefusalKind::Count, {to_string(2 * e + 1), to_string(numbers.size())});
        return;
    }
    const std::vector<std::uint64_t> moduli(numbers.begin() + 1, numbers.begin() + 1 + e);
    const std::vector<std::uint64_t> blocks(numbers.begin() + 1 + e, numbers.end());
    for (std::size_t i = 0; i < moduli.size(); ++i) {
        if (!work.modulus(moduli[i]) || !work.block(blocks[i], moduli[i])) {
            return;
        }
    }
    const auto crt = chineseRemainder(blocks, moduli);
    if (!crt) {
        work.refuse(RefusalKind::ModuliShare, {});
        return;
    }
    explain::Table table{work.columns(text::crtColumns), {}};
    for (const CrtRow& row : crt->rows) {
        table.rows.push_back({to_string(row.residue), to_string(row.modulus), to_string(row.others),
                              to_string(row.inverse), to_string(row.term)});
    }
    work.table(std::move(table));
    work.paragraph(work.say(text::crtValue, {to_string(crt->product), to_string(crt->value)}));
    // Each block is below its n, so one m below every n gives mᵉ below N,
    // which the CRT value is exactly: a value that is no e-th power means
    // the blocks hide different messages.
    if (const auto m = exactRoot(work, crt->value, e, RefusalKind::NotOneMessage)) {
        message(work, *m, e, moduli[0], modularPower(*m, e, moduli[0]));
    }
}

void commonModulus(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e1 = numbers[1];
    const std::uint64_t e2 = numbers[2];
    const std::uint64_t c1 = numbers[3];
    const std::uint64_t c2 = numbers[4];
    if (!work.modulus(n) || !work.exponent(e1) || !work.exponent(e2) || !work.block(c1, n) ||
        !work.block(c2, n)) {
        return;
    }
    const EuclidRows euclid =
        euclidRows(static_cast<std::int64_t>(e1), static_cast<std::int64_t>(e2));
    explain::Table table{work.columns(text::euclidColumns), {}};
    for (std::size_t i = 0; i < euclid.rows.size(); ++i) {
        const EuclidRow& row = euclid.rows[i];
        table.rows.push_back({to_string(i + 1), to_string(row.r), i == 0 ? "" : to_string(row.q),
                              explain::number(row.s), explain::number(row.t)});
    }
    work.table(std::move(table));
    if (euclid.gcd != 1) {
        work.refuse(RefusalKind::ExponentsShare,
                    {to_string(e1), to_string(e2), to_string(euclid.gcd)});
        return;
    }
    const std::int64_t a = euclid.rows.back().s;
    const std::int64_t b = euclid.rows.back().t;
    work.paragraph(work.say(
        text::bezout, {to_string(e1), explain::number(a), to_string(e2), explain::number(b)}));
    // The block with the negative coefficient enters through its inverse.
    std::uint64_t bases[] = {c1, c2};
    const std::int64_t powers[] = {a, b};
    explain::Table steps{work.columns(text::blockColumns), {}};
    std::uint64_t m = 1;
    for (std::size_t i = 0; i < 2; ++i) {
        if (powers[i] < 0) {
            const auto inverted =
                inverse(static_cast<std::int64_t>(bases[i]), static_cast<std::int64_t>(n));
            if (!inverted) {
                work.table(std::move(steps));
                work.refuse(RefusalKind::NoInverse, {to_string(bases[i]), to_string(n)});
                return;
            }
            work.paragraph(work.say(text::negativeExponent,
                                    {to_string(bases[i]), to_string(n), to_string(*inverted)}));
            bases[i] = static_cast<std::uint64_t>(*inverted);
        }
        const auto exponent = static_cast<std::uint64_t>(powers[i] < 0 ? -powers[i] : powers[i]);
        const std::uint64_t power = modularPower(bases[i], exponent, n);
        steps.rows.push_back({to_string(i + 1),
                              to_string(bases[i]) + superscript(exponent) + " mod " + to_string(n),
                              to_string(power)});
        m = m * power % n;
    }
    steps.rows.push_back(
        {"3", steps.rows[0][2] + " · " + steps.rows[1][2] + " mod " + to_string(n), to_string(m)});
    work.table(std::move(steps));
    message(work, m, e1, n, modularPower(m, e1, n));
}

void chosen(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e = numbers[1];
    const std::uint64_t c = numbers[2];
    if (!work.modulus(n) || !work.exponent(e) || !work.block(c, n) || !work.odd(n)) {
        return;
    }
    // The key's holder, who decrypts for the attacker, has the private exponent.
    const auto primes = primeFactors(n);
    std::optional<std::int64_t> d;
    if (primes.size() == 2 && primes[0].second == 1 && primes[1].second == 1) {
        d = inverse(static_cast<std::int64_t>(e),
                    static_cast<std::int64_t>((primes[0].first - 1) * (primes[1].first - 1)));
    }
    if (!d) {
        work.refuse(RefusalKind::NoKey, {to_string(n)});
        return;
    }
    const std::uint64_t two = modularPower(2, e, n);
    const std::uint64_t five = modularPower(5, e, n);
    work.paragraph(
        work.say(text::malleable, {to_string(two), to_string(five), to_string(two * five % n)}));
    const std::uint64_t sent = c * two % n;
    const std::uint64_t answer = modularPower(sent, static_cast<std::uint64_t>(*d), n);
    const auto half = static_cast<std::uint64_t>(*inverse(2, static_cast<std::int64_t>(n)));
    const std::uint64_t m = answer * half % n;
    work.table(
        {work.columns(text::blockColumns),
         {{"1", work.say(text::chosenSend, {to_string(c), to_string(two), to_string(n)}),
           to_string(sent)},
          {"2", work.say(text::chosenAnswer, {to_string(answer)}), to_string(answer)},
          {"3", work.say(text::chosenHalve, {to_string(half), to_string(answer), to_string(n)}),
           to_string(m)}}});
    message(work, m, e, n, modularPower(m, e, n));
}

void forge(Work& work, const std::vector<std::uint64_t>& numbers) {
    const std::uint64_t n = numbers[0];
    const std::uint64_t e = numbers[1];
    if (!work.modulus(n) || !work.exponent(e)) {
        return;
    }
    explain::Table table{work.columns(text::blockColumns), {}};
    for (std::size_t i = 2; i < 6; ++i) {
        if (!work.block(numbers[i], n)) {
            return;
        }
    }
    for (std::size_t i = 2; i < 6; i += 2) {
        const std::uint64_t m = numbers[i];
        const std::uint64_t s = numbers[i + 1];
        const std::uint64_t check = modularPower(s, e, n);
        table.rows.push_back(
            {to_string(table.rows.size() + 1),
             work.say(text::forgeCheck, {to_string(s), superscript(e), to_string(n)}),
             to_string(check)});
        if (check != m) {
            work.table(std::move(table));
            work.refuse(RefusalKind::Signature,
                        {to_string(s), to_string(m), superscript(e), to_string(check)});
            return;
        }
    }
    const std::uint64_t m = numbers[2] * numbers[4] % n;
    const std::uint64_t s = numbers[3] * numbers[5] % n;
    table.rows.push_back(
        {"3", work.say(text::forgeProduct), "m = " + to_string(m) + ", s = " + to_string(s)});
    work.table(std::move(table));
    work.found("m", to_string(m));
    work.found("s", to_string(s));
    work.paragraph(
        work.say(text::forgeFound, {to_string(m), to_string(s), superscript(e), to_string(n)}));
}

} // namespace rsa::attacks
