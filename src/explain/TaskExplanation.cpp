#include "explain/TaskExplanation.h"

#include "Language.h"
#include "explain/Arithmetic.h"
#include "numbers/TrialDivision.h"

namespace rsa::explain {

using std::to_string;

Section explainBlockPower(const PowerSymbols& symbols, std::uint64_t base, std::uint64_t exponent,
                          std::uint64_t modulus, Translator translator) {
    const Language say(translator);
    const PowerRows steps = powerRows(base, exponent, modulus);
    Section section;
    section.title = say.fill(texts::powerTitle,
                             {symbols.result, symbols.base, to_string(base), superscript(exponent),
                              to_string(modulus), to_string(steps.result)});
    Group group;
    group.elements.emplace_back(
        say.fill(texts::powerFormula, {symbols.result, symbols.base, to_string(base),
                                       superscript(exponent), to_string(modulus)}));
    group.elements.emplace_back(say.fill(texts::powerMethod, {binary(exponent)}));
    group.elements.emplace_back(powerTable(steps, say.columns(texts::powerColumns)));
    section.groups.push_back(std::move(group));
    return section;
}

Section explainFactoring(std::uint64_t n, Translator translator) {
    const Language say(translator);
    const TrialDivision found = smallestDivisor(n);
    Section section;
    section.title = say(texts::attackerTitle);
    Group group;
    group.elements.emplace_back(
        say.fill(texts::factoring, {to_string(n), to_string(found.divisions),
                                    to_string(found.divisor), to_string(n / found.divisor)}));
    section.groups.push_back(std::move(group));
    return section;
}

} // namespace rsa::explain
