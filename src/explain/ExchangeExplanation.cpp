#include "explain/ExchangeExplanation.h"

#include "Language.h"
#include "explain/Arithmetic.h"
#include "texts/ExchangeStepTexts.h"

namespace rsa::explain {

namespace {

namespace text = rsa::texts::exchangeSteps;
using std::to_string;

struct ActTexts {
    const char* title;
    const char* intro;
    const char* inName;
    const char* outName;
};

ActTexts textsOf(ExchangeAct act) {
    switch (act) {
    case ExchangeAct::Send:
        return {text::sendTitle, text::sendIntro, "m", "c"};
    case ExchangeAct::Receive:
        return {text::receiveTitle, text::receiveIntro, "c", "m"};
    case ExchangeAct::Sign:
        return {text::signTitle, text::signIntro, "m", "s"};
    case ExchangeAct::Verify:
        break;
    }
    return {text::verifyTitle, text::verifyIntro, "s", "sᵉ mod n"};
}

Group fixed() {
    return {"", Fold::Fixed, {}};
}

} // namespace

Section explainExchange(const ExchangePowers& powers, Translator translator) {
    const Language say(translator);
    ActTexts names = textsOf(powers.act);
    // An even e has no inverse modulo any φ(n), which is even for n > 2: no
    // private exponent exists to speak of.
    const bool noInverse = powers.act == ExchangeAct::Send && powers.exponent % 2 == 0;
    if (noInverse) {
        names.intro = text::sendIntroNoInverse;
    }
    Section section{say.fill(names.title, {to_string(powers.exponent), to_string(powers.n)}), {}};
    Group intro = fixed();
    intro.elements.emplace_back(
        say.fill(names.intro, {superscript(powers.exponent), to_string(powers.n)}));
    Table summary{{say(texts::blockColumn), names.inName, names.outName}, {}};
    if (powers.act == ExchangeAct::Verify) {
        summary.columns.push_back(say(text::cardColumn));
    }
    for (std::size_t k = 0; k < powers.in.size(); ++k) {
        summary.rows.push_back(
            {to_string(k + 1), to_string(powers.in[k]), to_string(powers.out[k])});
        if (powers.act == ExchangeAct::Verify) {
            summary.rows.back().push_back(to_string(powers.card[k]));
        }
    }
    intro.elements.emplace_back(std::move(summary));
    intro.elements.emplace_back(say.fill(texts::powerMethod, {binary(powers.exponent)}));
    section.groups.push_back(std::move(intro));

    for (std::size_t k = 0; k < powers.in.size(); ++k) {
        Group block{say.fill(text::blockTitle, {to_string(k + 1), to_string(powers.in[k]),
                                                superscript(powers.exponent), to_string(powers.n),
                                                to_string(powers.out[k])}),
                    k == 0 ? Fold::Open : Fold::Folded,
                    {}};
        block.elements.emplace_back(powerTable(powerRows(powers.in[k], powers.exponent, powers.n),
                                               say.columns(texts::powerColumns)));
        section.groups.push_back(std::move(block));
    }

    Group result = fixed();
    if (noInverse) {
        result.elements.emplace_back(say.fill(text::sendNoInverse, {to_string(powers.exponent)}));
    } else if (powers.act == ExchangeAct::Send) {
        result.elements.emplace_back(say(text::sendWeakness));
    } else if (powers.act == ExchangeAct::Receive) {
        result.elements.emplace_back(say.fill(text::receivedCard, {powers.cardText}));
    } else if (powers.act == ExchangeAct::Verify) {
        std::string mismatch;
        for (std::size_t k = 0; k < powers.out.size(); ++k) {
            if (powers.out[k] != powers.card[k]) {
                mismatch += (mismatch.empty() ? "" : ", ") + to_string(k + 1);
            }
        }
        if (!mismatch.empty()) {
            result.elements.emplace_back(say.fill(text::verifyInvalid, {mismatch}));
        } else {
            // A valid check shows that the blocks fit the key, not who made
            // them: textbook signatures can be forged.
            for (const char* sentence :
                 {text::verifyValid, text::forgeryFixed, text::forgeryProduct, text::forgeryRoot,
                  text::forgeryPrevented}) {
                result.elements.emplace_back(say(sentence));
            }
        }
    }
    if (!result.elements.empty()) {
        section.groups.push_back(std::move(result));
    }
    return section;
}

Section explainFreshKey(std::uint64_t p, std::uint64_t q, std::uint64_t e, std::uint64_t d,
                        std::uint64_t range, Translator translator) {
    const Language say(translator);
    const std::uint64_t phi = (p - 1) * (q - 1);
    Section section{say(text::newKeyTitle), {}};
    Group group = fixed();
    group.elements.emplace_back(
        say.fill(text::newKeyDrawn,
                 {to_string(p), to_string(q), to_string(range), to_string(p * q), to_string(phi)}));
    group.elements.emplace_back(
        euclidTable(euclidRows(static_cast<std::int64_t>(phi), static_cast<std::int64_t>(e % phi)),
                    say.columns(texts::euclidColumns)));
    group.elements.emplace_back(say.fill(text::newKeyExponent, {to_string(e), to_string(d)}));
    section.groups.push_back(std::move(group));
    return section;
}

Section explainExchangeRefusal(const std::string& act, const std::string& sentence,
                               Translator translator) {
    const Language say(translator);
    Section section{say.fill(text::refusedTitle, {act}), {}};
    Group group = fixed();
    group.elements.emplace_back(sentence);
    section.groups.push_back(std::move(group));
    return section;
}

} // namespace rsa::explain
