#include "cipher/CipherCommands.h"

#include "cipher/BlockCipher.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/Operations.h"

#include <algorithm>
#include <cstdlib>

namespace rsa {

namespace {

constexpr TextBox groupBoxes[] = {TextBox::txt1, TextBox::txt2, TextBox::txt3, TextBox::txt4};

// Cuts each group into its high block (the digits before the last two) and
// its low block (the last two digits); the low block is stored first.
void splitGroups(WindowVariables& vars, WindowOperations& window) {
    const Variant hundred = Variant::integer(100);
    for (std::size_t group = 0; group < 4; ++group) {
        Variant x = Val(window.readText(groupBoxes[group]));
        Variant& high = vars.m[2 * group];
        Variant& low = vars.m[2 * group + 1];
        low = Mod(x, hundred);
        x = x - low;
        high = x / hundred;
    }
}

// A block of the modulus or more would come back from the decryption as its
// remainder, not as itself.
bool everyBlockBelow(const BlockRow& blocks, std::int32_t modulus) {
    return std::all_of(blocks.begin(), blocks.end(), [modulus](const Variant& block) {
        return std::llabs(block.toLongRounded()) < modulus;
    });
}

// Values compare across types: a Single 61 from the random pair is the Double 61 typed.
bool samePrimes(const Variant& p, const Variant& q, const KeyOrigin& key) {
    return isTrue(isEqual(p, key.p)) && isTrue(isEqual(q, key.q));
}

bool sameKey(const KeyOrigin& a, const KeyOrigin& b) {
    return samePrimes(a.p, a.q, b) && isTrue(isEqual(a.e, b.e));
}

} // namespace

void encryptCard(WindowVariables& vars, WindowOperations& window) {
    // A key made for other primes would encrypt blocks its own d cannot undo.
    if (!vars.key || !samePrimes(vars.p, vars.q, *vars.key)) {
        window.showMessage(texts::computeKeyFirst);
        return;
    }
    vars.nEnc = vars.p * vars.q;
    splitGroups(vars, window);
    if (!everyBlockBelow(vars.m, vars.nEnc.toLongRounded())) {
        window.showMessage(texts::blockNotBelowModulus);
        return;
    }
    for (std::size_t k = 0; k < 8; ++k) {
        vars.c[k] = blockPower(vars.m[k], vars.eAccepted, vars.nEnc);
    }
    vars.encAcc = vars.c[7];
    vars.encCounter = unitLoopCounterAfter(vars.eAccepted);
    vars.cipherKey = vars.key;
    window.appendText(TextBox::txtdecmsj, blockListText(vars.c));
}

void decryptCard(WindowVariables& vars, WindowOperations& window) {
    if (std::all_of(vars.c.begin(), vars.c.end(), [](const Variant& c) { return c.isEmpty(); })) {
        window.showMessage(texts::encryptFirst);
        return;
    }
    if (!vars.key || !samePrimes(vars.p, vars.q, *vars.key)) {
        window.showMessage(texts::computeKeyFirst);
        return;
    }
    if (!vars.cipherKey || !sameKey(*vars.cipherKey, *vars.key)) {
        window.showMessage(texts::encryptFirst);
        return;
    }
    vars.nDec = vars.p * vars.q;
    for (std::size_t k = 0; k < 8; ++k) {
        vars.r[k] = blockPower(vars.c[k], vars.d, vars.nDec);
    }
    window.appendText(TextBox::decrypttxt, blockListText(vars.r));
}

} // namespace rsa
