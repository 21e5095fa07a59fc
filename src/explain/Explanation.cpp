#include "explain/Explanation.h"

#include "Language.h"
#include "cipher/BlockCipher.h"
#include "explain/Arithmetic.h"
#include "explain/TaskExplanation.h"
#include "numbers/NumberRoutines.h"
#include "numbers/TrialDivision.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/Operations.h"
#include "value/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace rsa::explain {

namespace {

using std::int64_t;
using std::to_string;
using std::uint64_t;

class Builder {
public:
    Builder(const Language& language, std::string title) : language(language) {
        m_section.title = std::move(title);
    }

    const Language& language;

    void paragraph(std::string text) { current().elements.emplace_back(std::move(text)); }
    // A paragraph that says why the command was refused.
    void refusal(std::string text) {
        m_section.refusal = text;
        paragraph(std::move(text));
    }
    void table(Table table) { current().elements.emplace_back(std::move(table)); }
    // Starts a group; a fixed one with no title carries on after a foldable one.
    void group(std::string title, Fold fold) {
        m_section.groups.push_back({std::move(title), fold, {}});
    }
    Section take() { return std::move(m_section); }

private:
    Group& current() {
        if (m_section.groups.empty()) {
            group("", Fold::Fixed);
        }
        return m_section.groups.back();
    }

    Section m_section;
};

std::string shown(const Variant& value) {
    return plainText(value);
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : separator) + parts[i];
    }
    return text;
}

bool isWhole(const Variant& value) {
    const double number = value.toNumber();
    return number == std::floor(number);
}

// A block as it stands in the card number: two digits with its leading zero.
std::string blockDigits(const Variant& block) {
    const double value = block.toNumber();
    if (isWhole(block) && value >= 0 && value <= 99) {
        const auto whole = static_cast<int>(value);
        return to_string(whole / 10) + to_string(whole % 10);
    }
    return shown(block);
}

std::string cardText(const std::vector<std::string>& blocks) {
    std::vector<std::string> groups;
    for (std::size_t i = 0; i + 1 < blocks.size(); i += 2) {
        groups.push_back(blocks[i] + blocks[i + 1]);
    }
    return joined(groups, " ");
}

std::string cardText(const BlockRow& row) {
    std::vector<std::string> blocks;
    for (const Variant& block : row) {
        blocks.push_back(blockDigits(block));
    }
    return cardText(blocks);
}

// Why value is prime, or is not, as the command found.
std::string primeVerdict(const Language& say, const std::string& label, const Variant& value,
                         bool prime) {
    const std::string text = shown(value);
    const std::string subject = label.empty() ? text : label + " = " + text;
    if (!isWhole(value)) {
        return say.fill(texts::notWhole, {subject});
    }
    const int64_t n = value.toLongRounded();
    if (n == 1) {
        return say.fill(texts::one, {subject});
    }
    if (n < 2) {
        return say.fill(texts::belowTwo, {subject});
    }
    if (!prime) {
        const uint64_t divisor = smallestDivisor(static_cast<uint64_t>(n)).divisor;
        return say.fill(texts::composite, {subject, text, to_string(divisor),
                                           to_string(static_cast<uint64_t>(n) / divisor)});
    }
    const uint64_t limit = integerSquareRoot(static_cast<uint64_t>(n));
    const uint64_t next = limit + 1;
    if (limit < 2) {
        return say.fill(texts::primeNoTrial,
                        {subject, text, to_string(next), to_string(next * next)});
    }
    const std::string range = limit == 2 ? "2" : "2 … " + to_string(limit);
    return say.fill(texts::primeTrial,
                    {subject, text, range, to_string(next), to_string(next * next)});
}

void primeListing(const CommandRecord& record, const WindowVariables&, Builder& out) {
    const Language& say = out.language;
    out.paragraph(say(texts::primeDefinition));
    out.paragraph(say(texts::primeMethod));
    const std::vector<Variant>& listed = record.numbers;
    out.paragraph(say.fill(texts::primeCount, {to_string(listed.size())}));
    for (std::int16_t example : {91, 97}) {
        const bool prime = std::any_of(listed.begin(), listed.end(), [&](const Variant& prime) {
            return prime.toNumber() == example;
        });
        out.paragraph(primeVerdict(say, "", Variant::integer(example), prime));
    }
}

void randomPair(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    out.paragraph(
        say.fill(texts::randomPair, {shown(vars.p), shown(vars.q), shown(vars.p * vars.q)}));
    out.paragraph(primeVerdict(say, "p", vars.p, record.pIsPrime));
    out.paragraph(primeVerdict(say, "q", vars.q, record.qIsPrime));
}

std::string primeFactorList(uint64_t n) {
    std::vector<std::string> primes;
    for (auto [prime, power] : primeFactors(n)) {
        primes.push_back(to_string(prime));
    }
    return joined(primes, ", ");
}

void phiDivisors(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    const Variant one = Variant::integer(1);
    const Variant m = (vars.p - one) * (vars.q - one);
    out.paragraph(say.fill(texts::phiValue, {shown(vars.p - one), shown(vars.q - one), shown(m)}));
    if (!record.pIsPrime || !record.qIsPrime) {
        out.paragraph(say(texts::phiNotForComposites));
    }
    // The same rounding as the listing in the window.
    const int64_t whole = m.toLongRounded();
    if (whole <= 1) {
        out.paragraph(say.fill(texts::phiOnlyOne, {shown(m)}));
        return;
    }
    const auto n = static_cast<uint64_t>(whole);
    out.paragraph(say.fill(texts::factorisation, {factorisationText(n)}));
    // The window lists what it found; a divisor it leaves out is one above a
    // fractional m that rounds up.
    const std::vector<std::int32_t> divisors = divisorsOf(static_cast<std::int32_t>(whole));
    const std::size_t listed = record.numbers.size();
    if (listed == divisors.size()) {
        out.paragraph(
            say.fill(texts::divisorCount, {to_string(whole), to_string(divisors.size())}));
    } else {
        std::vector<std::string> leftOut;
        for (auto divisor = divisors.begin() + static_cast<std::ptrdiff_t>(listed);
             divisor != divisors.end(); ++divisor) {
            leftOut.push_back(to_string(*divisor));
        }
        out.paragraph(
            say.fill(texts::divisorsLeftOut, {to_string(whole), to_string(divisors.size()),
                                              to_string(listed), joined(leftOut, ", "), shown(m)}));
    }
    out.paragraph(say.fill(texts::exponentRule, {primeFactorList(n)}));
    std::vector<std::string> examples;
    for (uint64_t e = 2; e < n && examples.size() < 6; ++e) {
        if (inverse(static_cast<int64_t>(e), whole)) {
            examples.push_back(to_string(e));
        }
    }
    if (!examples.empty()) {
        out.paragraph(say.fill(texts::exponentExamples, {joined(examples, ", ")}));
    }
}

// Which key the window still holds after a refusal, and whether the cipher
// can use it, as the key computation found.
void keptKey(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    if (record.keptKey == KeptKey::none || !vars.key) {
        out.paragraph(say(texts::keyNotComputed));
        return;
    }
    const KeyOrigin& key = *vars.key;
    out.paragraph(
        say.fill(record.keptKey == KeptKey::fitsPrimes ? texts::earlierKeyFits
                                                       : texts::earlierKeyForOtherPrimes,
                 {shown(key.e), shown(key.p * key.q), shown(vars.d), shown(key.p), shown(key.q)}));
}

// What a key computation worked on and found: the values as read, whether p
// and q are prime, and the rule that refused it (none for an accepted key,
// with its d).
struct KeyWork {
    Variant p;
    Variant q;
    Variant e;
    bool pIsPrime = true;
    bool qIsPrime = true;
    Rule rule = Rule::none;
    Variant phi;
    Variant sharedFactor; // exponentSharesFactor
    int64_t d = 0;
};

// The key computation's section up to where its rule stopped it.
void keySteps(const KeyWork& key, Builder& out) {
    const Language& say = out.language;
    // A refusal for a prime names the first of the two that is not one.
    const bool primeRefused = key.rule == Rule::notPrime;
    const auto verdict = [&](const char* label, const Variant& value, bool isPrime, bool refused) {
        std::string text = primeVerdict(say, label, value, isPrime);
        refused ? out.refusal(std::move(text)) : out.paragraph(std::move(text));
    };
    verdict("p", key.p, key.pIsPrime, primeRefused && !key.pIsPrime);
    verdict("q", key.q, key.qIsPrime, primeRefused && key.pIsPrime);
    if (key.rule == Rule::notPrime) {
        return;
    }
    if (key.rule == Rule::equalPrimes) {
        out.refusal(say.fill(texts::equalPrimes, {shown(key.p)}));
        return;
    }
    const int64_t p = key.p.toLongRounded();
    const int64_t q = key.q.toLongRounded();
    const int64_t phi = key.phi.toLongRounded();
    const auto bits = [](int64_t value) {
        return to_string(bitLength(static_cast<uint64_t>(value)));
    };
    out.paragraph(
        say.fill(texts::modulus, {to_string(p), to_string(q), to_string(p * q), bits(p * q)}));
    out.paragraph(
        say.fill(texts::phi, {to_string(p - 1), to_string(q - 1), to_string(phi), bits(phi)}));
    out.paragraph(say(texts::phiMeaning));
    if (key.rule == Rule::exponentNotAboveOne) {
        out.refusal(say.fill(texts::exponentNotWhole, {shown(key.e)}));
        return;
    }
    const int64_t e = key.e.toLongRounded();
    out.paragraph(say(texts::euclidIntro));
    if (e >= phi) {
        out.paragraph(say.fill(texts::exponentAbovePhi, {to_string(e), to_string(phi),
                                                         to_string(e / phi), to_string(e % phi)}));
    }
    const EuclidRows steps = euclidRows(phi, e);
    out.group(say.fill(texts::euclidTitle, {to_string(e), to_string(phi)}), Fold::Open);
    out.table(euclidTable(steps, say.columns(texts::euclidColumns)));
    out.group("", Fold::Fixed);
    if (key.rule == Rule::exponentSharesFactor) {
        const Variant& shared = key.sharedFactor;
        out.refusal(say.fill(texts::sharedFactor,
                             {to_string(e), to_string(phi), shown(shared),
                              primeFactorList(static_cast<uint64_t>(shared.toLongRounded()))}));
        return;
    }
    const int64_t d = key.d;
    out.paragraph(say.fill(texts::coprime, {to_string(e), to_string(phi)}));
    out.paragraph(say.fill(texts::privateExponent,
                           {number(steps.rows.back().t), to_string(phi), to_string(d)}));
    out.paragraph(say.fill(texts::inverseCheck,
                           {to_string(e), to_string(d), to_string(phi), to_string(e * d)}));
    out.paragraph(say.fill(texts::keyPair, {to_string(e), to_string(p * q), to_string(d)}));
}

void keyComputation(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const bool sharesFactor = record.rule == Rule::exponentSharesFactor;
    const bool completed = record.outcome == Outcome::completed;
    keySteps({vars.p, vars.q, vars.e, record.pIsPrime, record.qIsPrime, record.rule, vars.phi,
              sharesFactor ? record.numbers.at(2) : Variant(),
              completed ? record.privateExponent.toLongRounded() : 0},
             out);
    if (record.outcome == Outcome::refused) {
        keptKey(record, vars, out);
    }
}

// The refusal of a key that is missing or belongs to other primes; false for
// any other record.
bool keyRefused(const CommandRecord& record, Builder& out) {
    const Language& say = out.language;
    if (record.rule == Rule::noKey) {
        out.refusal(say(texts::noKey));
        return true;
    }
    if (record.rule == Rule::keyForOtherPrimes) {
        const std::vector<Variant>& primes = record.numbers;
        out.refusal(say.fill(texts::keyForOtherPrimes, {shown(primes.at(0)), shown(primes.at(1)),
                                                        shown(primes.at(2)), shown(primes.at(3))}));
        return true;
    }
    return false;
}

// One power per block, as the command recorded it: on the rounded magnitude of
// the block, with the sign the cipher gave the result.
struct BlockPowerTexts {
    const BlockRow& in;
    const BlockRow& out;
    const char* inName;
    const char* outName;
    const char* formula;
    const char* blockTitle;
};

void blockPowers(const BlockPowerTexts& run, const BlockPowers& powers, Builder& out) {
    const Language& say = out.language;
    const uint64_t exponent = powers.exponent;
    const uint64_t n = powers.modulus;
    out.paragraph(say.fill(run.formula, {superscript(exponent), to_string(n)}));
    Table summary{{say(texts::blockColumn), run.inName, run.outName}, {}};
    for (std::size_t k = 0; k < 8; ++k) {
        summary.rows.push_back({to_string(k + 1), shown(run.in[k]), shown(run.out[k])});
    }
    out.table(std::move(summary));
    out.paragraph(say.fill(texts::powerMethod, {binary(exponent)}));
    for (std::size_t k = 0; k < powers.blocks.size(); ++k) {
        const BlockPower& power = powers.blocks[k];
        const int64_t base = power.base;
        const auto magnitude = static_cast<uint64_t>(std::llabs(base));
        const auto result = static_cast<int64_t>(power.magnitude);
        const std::string baseText = base < 0 ? "(" + number(base) + ")" : number(base);
        out.group(say.fill(run.blockTitle,
                           {to_string(k + 1), subscript(k + 1), baseText, superscript(exponent),
                            to_string(n), number(power.negative ? -result : result)}),
                  k == 0 ? Fold::Open : Fold::Folded);
        if (!isWhole(run.in[k])) {
            out.paragraph(say.fill(texts::roundedBlock, {shown(run.in[k]), number(base)}));
        }
        if (base < 0) {
            out.paragraph(
                say.fill(power.negative ? texts::negativeOddPower : texts::negativeEvenPower,
                         {to_string(magnitude)}));
        }
        out.table(powerTable(powerRows(magnitude, exponent, n), say.columns(texts::powerColumns)));
    }
}

// The attacker encrypts the 100 possible blocks with the public key and reads
// each cipher block's plain block from that table.
void precomputedBlocks(const WindowVariables& vars, uint64_t e, uint64_t modulus, Builder& out) {
    const Language& say = out.language;
    out.paragraph(say(texts::attackerTable));
    std::map<int64_t, int64_t> plainOf;
    for (uint64_t m = 0; m < 100 && m < modulus; ++m) {
        plainOf.emplace(static_cast<int64_t>(modularPower(m, e, modulus)), static_cast<int64_t>(m));
    }
    Table table{say.columns(texts::attackerColumns), {}};
    const std::string notInTable = say(texts::notInTable);
    std::vector<std::string> recovered;
    for (std::size_t k = 0; k < 8; ++k) {
        const auto found = plainOf.find(vars.c[k].toLongRounded());
        recovered.push_back(
            found == plainOf.end()
                ? notInTable
                : blockDigits(Variant::longInt(static_cast<std::int32_t>(found->second))));
        table.rows.push_back({to_string(k + 1), shown(vars.c[k]), recovered.back()});
    }
    out.table(std::move(table));
    const bool all = std::none_of(recovered.begin(), recovered.end(),
                                  [&](const std::string& block) { return block == notInTable; });
    out.paragraph(all ? say.fill(texts::cardRecovered, {cardText(recovered)})
                      : say(texts::cardPartlyRecovered));
}

// Equal plain blocks show as equal cipher blocks.
void equalBlocks(const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    std::map<std::string, std::vector<std::string>> positions; // block -> block numbers
    std::map<std::string, std::string> cipherOf;
    for (std::size_t k = 0; k < 8; ++k) {
        positions[shown(vars.m[k])].push_back(to_string(k + 1));
        cipherOf[shown(vars.m[k])] = shown(vars.c[k]);
    }
    std::vector<std::string> repeats;
    for (const auto& [block, where] : positions) {
        if (where.size() > 1) {
            repeats.push_back(
                say.fill(texts::equalBlocksEntry, {block, cipherOf[block], joined(where, ", ")}));
        }
    }
    out.paragraph(repeats.empty() ? say(texts::noEqualBlocks)
                                  : say.fill(texts::equalBlocks, {joined(repeats, "; ")}));
}

// The blocks the key leaves as they are.
void fixedPoints(uint64_t e, uint64_t modulus, Builder& out) {
    std::vector<std::string> fixed;
    for (uint64_t m = 0; m < 100 && m < modulus; ++m) {
        if (modularPower(m, e, modulus) == m) {
            fixed.push_back(to_string(m));
        }
    }
    out.paragraph(out.language.fill(texts::fixedPoints, {joined(fixed, ", ")}));
}

// n factored by trial division gives phi and with it d; real RSA's answer.
void factoring(uint64_t e, int64_t n, Builder& out) {
    const Language& say = out.language;
    const auto modulus = static_cast<uint64_t>(n);
    const TrialDivision found = smallestDivisor(modulus);
    const uint64_t other = modulus / found.divisor;
    out.paragraph(say.fill(texts::factoring, {to_string(n), to_string(found.divisions),
                                              to_string(found.divisor), to_string(other)}));
    const auto phi = static_cast<int64_t>((found.divisor - 1) * (other - 1));
    if (phi > 1) {
        const int64_t d =
            inverse(static_cast<int64_t>(e % static_cast<uint64_t>(phi)), phi).value_or(0);
        out.paragraph(say.fill(texts::privateFromFactors, {to_string(phi), to_string(d)}));
    }
    out.paragraph(say(texts::realRsa));
}

void attackerView(const WindowVariables& vars, uint64_t e, uint64_t modulus, Builder& out) {
    const auto n = static_cast<int64_t>(modulus);
    out.group(out.language(texts::attackerTitle), Fold::Folded);
    precomputedBlocks(vars, e, modulus, out);
    equalBlocks(vars, out);
    fixedPoints(e, modulus, out);
    factoring(e, n, out);
}

// A "Dikkat" for each group that is not four digits of a card number, read as
// the window read it.
void groupWarnings(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    for (std::size_t group = 0; group < record.typed.size() && group < 4; ++group) {
        const std::string& typed = record.typed[group];
        const Variant& high = vars.m[2 * group];
        const Variant& low = vars.m[2 * group + 1];
        const double value = Val(typed).toNumber();
        const char* warning = nullptr;
        if (typed.find_first_not_of(" \t") == std::string::npos) {
            warning = texts::emptyGroup;
        } else if (value < 0) {
            warning = texts::negativeGroup;
        } else if (value != std::floor(value)) {
            warning = texts::fractionGroup;
        } else if (value > 9999) {
            warning = texts::groupTooLong;
        } else if (typed.find_first_not_of("0123456789 \t") != std::string::npos) {
            warning = texts::groupWithLetters;
        }
        if (warning != nullptr) {
            out.paragraph(
                out.language.fill(warning, {to_string(group + 1), typed, shown(high), shown(low),
                                            blockDigits(high) + blockDigits(low)}));
        }
    }
}

void encryption(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    if (keyRefused(record, out)) {
        return;
    }
    out.paragraph(say.fill(texts::blocksCut, {cardText(vars.m)}));
    groupWarnings(record, vars, out);
    if (record.rule == Rule::blockNotBelowModulus) {
        const int64_t n = std::llabs(static_cast<int64_t>(record.numbers.at(0).toLongRounded()));
        std::vector<std::string> tooLarge;
        for (std::size_t i = 1; i < record.numbers.size(); ++i) {
            tooLarge.push_back(shown(record.numbers[i]));
        }
        out.refusal(say.fill(texts::blocksNotBelowModulus, {to_string(n), joined(tooLarge, ", ")}));
        return;
    }
    blockPowers({vars.m, vars.c, "m", "c", texts::encryptionFormula, texts::encryptedBlockTitle},
                record.powers, out);
    attackerView(vars, record.powers.exponent, record.powers.modulus, out);
}

void decryption(const CommandRecord& record, const WindowVariables& vars, Builder& out) {
    const Language& say = out.language;
    if (record.rule == Rule::noCipherBlocks) {
        out.refusal(say(texts::noCipherBlocks));
        return;
    }
    if (keyRefused(record, out)) {
        return;
    }
    if (record.rule == Rule::cipherBlocksOfOtherKey) {
        out.refusal(say(texts::keyChanged));
        return;
    }
    blockPowers({vars.c, vars.r, "c", "r", texts::decryptionFormula, texts::decryptedBlockTitle},
                record.powers, out);
    out.group("", Fold::Fixed);
    const bool same =
        std::equal(vars.r.begin(), vars.r.end(), vars.m.begin(),
                   [](const Variant& r, const Variant& m) { return isTrue(isEqual(r, m)); });
    out.paragraph(same ? say.fill(texts::roundTripSame, {cardText(vars.r)})
                       : say.fill(texts::roundTripDifferent, {cardText(vars.r), cardText(vars.m)}));
    out.paragraph(say(texts::whyDecryptionWorks));
}

// Why a command stopped, where the variables it left tell: an encryption
// whose n = p * q lies beyond the Long range fails on it with Overflow,
// whatever the card.
std::string whyStopped(const CommandRecord& record, const WindowVariables& vars,
                       const Language& say) {
    const double n = vars.nEnc.toNumber();
    if (record.command == CommandId::encryptCard &&
        record.failureNumber == RuntimeError::overflow().number() && std::fabs(n) > 2147483647.5) {
        return say.fill(texts::modulusTooLarge, {shown(vars.nEnc)});
    }
    return say(texts::stoppedByError);
}

struct Explainer {
    CommandId command;
    const char* title;  // what the command did, with {0} for the caption
    const char* button; // the caption of the button that runs it
    void (*build)(const CommandRecord&, const WindowVariables&, Builder&);
};

const Explainer explainers[] = {
    {CommandId::listPrimes, texts::primeListTitle, rsa::texts::primeListButton, &primeListing},
    {CommandId::drawPrimePair, texts::randomPairTitle, rsa::texts::randomPairButton, &randomPair},
    {CommandId::listPhiDivisors, texts::factorsTitle, rsa::texts::factorsButton, &phiDivisors},
    {CommandId::computeKey, texts::computeKeyTitle, rsa::texts::computeKeyButton, &keyComputation},
    {CommandId::encryptCard, texts::encryptTitle, rsa::texts::encryptButton, &encryption},
    {CommandId::decryptCard, texts::decryptTitle, rsa::texts::decryptButton, &decryption},
};

// Nothing for a command that has nothing to explain.
const Explainer* explainerOf(CommandId command) {
    for (const Explainer& explainer : explainers) {
        if (explainer.command == command) {
            return &explainer;
        }
    }
    return nullptr;
}

std::string titleOf(const Explainer& explainer, const Language& say) {
    return say.fill(explainer.title, {say(explainer.button)});
}

} // namespace

std::optional<Section> explainCommand(const CommandRecord& record, const WindowVariables& vars,
                                      Translator translator) {
    const Explainer* explainer = explainerOf(record.command);
    if (explainer == nullptr) {
        return std::nullopt;
    }
    const Language say(translator);
    const std::string title = titleOf(*explainer, say);
    try {
        if (record.outcome != Outcome::stopped) {
            Builder out(say, title);
            explainer->build(record, vars, out);
            return out.take();
        }
    } catch (const RuntimeError&) {
        // The command has just used these values without a failure, so
        // none is expected; should one come, a section that says so is
        // better than half an explanation.
    }
    Builder stopped(say, title);
    stopped.paragraph(record.outcome == Outcome::stopped ? whyStopped(record, vars, say)
                                                         : say(texts::stoppedByError));
    return stopped.take();
}

// Beside the key computation's section, whose steps it shares.
Section explainKey(std::int64_t p, std::int64_t q, std::int64_t e, std::int64_t d,
                   Translator translator) {
    const Language say(translator);
    const auto whole = [](std::int64_t value) {
        return Variant::longInt(static_cast<std::int32_t>(value));
    };
    Builder out(say, titleOf(*explainerOf(CommandId::computeKey), say));
    keySteps(
        {whole(p), whole(q), whole(e), true, true, Rule::none, whole((p - 1) * (q - 1)), {}, d},
        out);
    return out.take();
}

std::vector<std::string> plainTextLines(const Section& section) {
    std::vector<std::string> lines = {"=== " + section.title + " ==="};
    for (const Group& group : section.groups) {
        if (group.fold != Fold::Fixed) {
            lines.push_back((group.fold == Fold::Folded ? "▸ " : "▾ ") + group.title);
        }
        for (const Element& element : group.elements) {
            if (const auto* text = std::get_if<std::string>(&element)) {
                lines.push_back(*text);
                continue;
            }
            const Table& table = std::get<Table>(element);
            lines.push_back(joined(table.columns, " | "));
            for (const std::vector<std::string>& row : table.rows) {
                lines.push_back(joined(row, " | "));
            }
        }
    }
    return lines;
}

} // namespace rsa::explain
