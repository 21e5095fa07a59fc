#include "keys/KeyCommands.h"

#include "numbers/NumberRoutines.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/Operations.h"

#include <utility>

namespace rsa {

namespace {

const Variant one = Variant::integer(1);

Variant readNumber(WindowOperations& window, TextBox box) {
    return Val(window.readText(box));
}

// A whole number from 1 to 100, held as a Single, from the next random value.
Variant drawCandidate(RandomSequence& random) {
    return Int(random.Rnd() * Variant::single(100) + Variant::single(1));
}

Variant drawPrime(RandomSequence& random) {
    Variant candidate;
    do {
        candidate = drawCandidate(random);
    } while (!isTrue(isPrime(candidate)));
    return candidate;
}

} // namespace

void listPrimes(WindowVariables&, WindowOperations& window) {
    std::string list = "2,3,5,7";
    Variant counter;
    countedLoop(counter, Variant::integer(8), Variant::integer(100), one, [&] {
        if (isTrue(isPrime(counter))) {
            list += "," + Str(counter);
        }
        return true;
    });
    window.writeText(TextBox::txtprime, list);
}

void drawPrimePair(WindowVariables& vars, WindowOperations& window) {
    // Both are drawn again until they differ and their product holds a block
    // of two digits.
    do {
        vars.p = drawPrime(vars.random);
        vars.q = drawPrime(vars.random);
    } while (isTrue(isEqual(vars.q, vars.p)) ||
             isTrue(isLess(vars.p * vars.q, Variant::integer(100))));
    if (isTrue(isGreater(vars.p, vars.q))) {
        std::swap(vars.p, vars.q);
    }
    window.writeText(TextBox::txtP, Str(vars.p));
    window.writeText(TextBox::txtQ, Str(vars.q));
}

void listPhiDivisors(WindowVariables& vars, WindowOperations& window) {
    vars.p = readNumber(window, TextBox::txtP);
    vars.q = readNumber(window, TextBox::txtQ);
    const Variant m = (vars.p - one) * (vars.q - one);
    // The search tries each i from 1 while i <= m and keeps those where
    // m Mod i is 0: 1 always, and the divisors of m rounded that do not exceed
    // m itself.
    const std::int32_t whole = m.toLongRounded();
    const double limit = m.toNumber();
    std::string list = Str(one);
    if (whole > 1) {
        for (std::int32_t divisor : divisorsOf(whole)) {
            if (divisor > 1 && divisor <= limit) {
                list += Str(Variant::longInt(divisor));
            }
        }
    }
    window.appendText(TextBox::txtcarpan, list);
}

void computeKey(WindowVariables& vars, WindowOperations& window) {
    vars.p = readNumber(window, TextBox::txtP);
    vars.q = readNumber(window, TextBox::txtQ);
    const bool pIsPrime = isTrue(isPrime(vars.p));
    const bool qIsPrime = isTrue(isPrime(vars.q));
    if (!pIsPrime) {
        window.showMessage(texts::pNotPrime);
    }
    if (!qIsPrime) {
        window.showMessage(texts::qNotPrime);
    }
    if (!pIsPrime || !qIsPrime) {
        return;
    }
    // With p = q the decryption does not give the blocks back.
    if (isTrue(isEqual(vars.p, vars.q))) {
        window.showMessage(texts::primesMustDiffer);
        return;
    }
    vars.phi = (vars.p - one) * (vars.q - one);
    vars.e = readNumber(window, TextBox::txtpublic);
    // Both fail with Overflow beyond the Long range, phi first.
    Variant inverse = privateExponent(vars.phi, vars.e);
    const std::int32_t exponent = vars.e.toLongRounded();
    // An exponent is usable exactly when it has a private counterpart.
    if (exponent <= 1 || inverse.isEmpty()) {
        window.showMessage(texts::badExponent);
        return;
    }
    vars.eAccepted = vars.e;
    vars.d = std::move(inverse);
    vars.key = KeyOrigin{vars.p, vars.q, vars.eAccepted};
    window.writeText(TextBox::txtPrivate, Str(vars.d));
}

} // namespace rsa
