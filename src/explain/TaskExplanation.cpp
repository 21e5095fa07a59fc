#include "explain/TaskExplanation.h"

#include "Language.h"
#include "explain/Arithmetic.h"
#include "numbers/NumberRoutines.h"
#include "value/Operations.h"

namespace rsa::explain {

using std::to_string;

Section explainKey(std::int64_t p, std::int64_t q, std::int64_t e, Translator translator) {
    // The variables exactly as the key computation leaves them, so the
    // section is the one the step window shows after it.
    WindowVariables vars;
    vars.p = Variant::longInt(static_cast<std::int32_t>(p));
    vars.q = Variant::longInt(static_cast<std::int32_t>(q));
    const Variant one = Variant::integer(1);
    vars.phi = (vars.p - one) * (vars.q - one);
    vars.e = Variant::longInt(static_cast<std::int32_t>(e));
    vars.d = privateExponent(vars.phi, vars.e);
    vars.key = KeyOrigin{vars.p, vars.q, vars.e};
    CommandRecord record = CommandRecord::completed();
    record.command = CommandId::computeKey;
    return explainCommand(record, vars, translator).value_or(Section{});
}

Section explainBlockPower(PowerKind kind, int block, std::uint64_t base, std::uint64_t exponent,
                          std::uint64_t modulus, Translator translator) {
    const Language say(translator);
    const bool encrypting = kind == PowerKind::Encryption;
    PowerSteps steps = powerSteps(base, exponent, modulus, say.columns(texts::powerColumns));
    Section section;
    section.title =
        say.fill(encrypting ? texts::encryptedBlockTitle : texts::decryptedBlockTitle,
                 {to_string(block), subscript(static_cast<std::uint64_t>(block)), to_string(base),
                  superscript(exponent), to_string(modulus), to_string(steps.result)});
    Group group;
    group.elements.emplace_back(
        say.fill(encrypting ? texts::encryptionFormula : texts::decryptionFormula,
                 {superscript(exponent), to_string(modulus)}));
    group.elements.emplace_back(say.fill(texts::powerMethod, {binary(exponent)}));
    group.elements.emplace_back(std::move(steps.table));
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
