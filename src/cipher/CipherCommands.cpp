#include "cipher/CipherCommands.h"

#include "cipher/BlockCipher.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/Operations.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rsa {

namespace {

constexpr TextBox groupBoxes[] = {TextBox::txt1, TextBox::txt2, TextBox::txt3, TextBox::txt4};

// Cuts each group into its high block (the digits before the last two) and
// its low block (the last two digits); the low block is stored first. Returns
// the groups as typed.
std::vector<std::string> splitGroups(WindowVariables& vars, WindowOperations& window) {
    const Variant hundred = Variant::integer(100);
    std::vector<std::string> typed;
    for (std::size_t group = 0; group < 4; ++group) {
        typed.push_back(window.readText(groupBoxes[group]));
        Variant x = Val(typed.back());
        Variant& high = vars.m[2 * group];
        Variant& low = vars.m[2 * group + 1];
        low = Mod(x, hundred);
        x = x - low;
        high = x / hundred;
    }
    return typed;
}

// A key made for other primes would encrypt blocks its own d cannot undo;
// nothing when the key fits.
std::optional<CommandRecord> keyRefusal(const WindowVariables& vars, WindowOperations& window) {
    if (vars.key && vars.key->madeFor(vars.p, vars.q)) {
        return std::nullopt;
    }
    window.showMessage(texts::computeKeyFirst);
    if (!vars.key) {
        return CommandRecord::refused(Rule::noKey);
    }
    return CommandRecord::refused(Rule::keyForOtherPrimes,
                                  {vars.key->p, vars.key->q, vars.p, vars.q});
}

} // namespace

CommandRecord encryptCard(WindowVariables& vars, WindowOperations& window) {
    if (std::optional<CommandRecord> refusal = keyRefusal(vars, window)) {
        return *refusal;
    }
    vars.nEnc = vars.p * vars.q;
    std::vector<std::string> typed = splitGroups(vars, window);
    // A block of the modulus or more would come back from the decryption as
    // its remainder, not as itself.
    const std::int32_t modulus = vars.nEnc.toLongRounded();
    std::vector<Variant> tooLarge = {vars.nEnc};
    for (const Variant& block : vars.m) {
        if (std::llabs(block.toLongRounded()) >= modulus) {
            tooLarge.push_back(block);
        }
    }
    if (tooLarge.size() > 1) {
        window.showMessage(texts::blockNotBelowModulus);
        CommandRecord record =
            CommandRecord::refused(Rule::blockNotBelowModulus, std::move(tooLarge));
        record.typed = std::move(typed);
        return record;
    }
    const Variant& exponent = vars.eAccepted();
    CommandRecord record = CommandRecord::completed();
    record.powers = blockPowers(vars.m, exponent, vars.nEnc, vars.c);
    vars.encCounter = unitLoopCounterAfter(exponent);
    vars.cipherKey = vars.key;
    window.appendText(TextBox::txtdecmsj, blockListText(vars.c));
    record.typed = std::move(typed);
    return record;
}

CommandRecord decryptCard(WindowVariables& vars, WindowOperations& window) {
    if (std::all_of(vars.c.begin(), vars.c.end(), [](const Variant& c) { return c.isEmpty(); })) {
        window.showMessage(texts::encryptFirst);
        return CommandRecord::refused(Rule::noCipherBlocks);
    }
    if (std::optional<CommandRecord> refusal = keyRefusal(vars, window)) {
        return *refusal;
    }
    if (!vars.cipherKey || !vars.cipherKey->sameAs(*vars.key)) {
        window.showMessage(texts::encryptFirst);
        return CommandRecord::refused(Rule::cipherBlocksOfOtherKey);
    }
    vars.nDec = vars.p * vars.q;
    CommandRecord record = CommandRecord::completed();
    record.powers = blockPowers(vars.c, vars.d, vars.nDec, vars.r);
    window.appendText(TextBox::decrypttxt, blockListText(vars.r));
    return record;
}

} // namespace rsa
