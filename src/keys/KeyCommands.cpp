#include "keys/KeyCommands.h"

#include "numbers/NumberRoutines.h"
#include "texts/Texts.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/Operations.h"

#include <cmath>
#include <cstdlib>
#include <numeric>
#include <utility>
#include <vector>

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

// Whether a value typed for the divisor listing is prime. The listing must not
// stop on it, so a value beyond the Long range, on which the key computation
// stops with Overflow, counts as not prime.
bool primeWithinLong(const Variant& value) {
    const double number = value.toNumber();
    return number >= 2 && number < 2147483647.5 && isTrue(isPrime(value));
}

Variant drawPrime(RandomSequence& random) {
    Variant candidate;
    do {
        candidate = drawCandidate(random);
    } while (!isTrue(isPrime(candidate)));
    return candidate;
}

} // namespace

CommandRecord listPrimes(WindowVariables&, WindowOperations& window) {
    std::string list = "2,3,5,7";
    std::vector<Variant> primes;
    primes.reserve(25); // as many as there are up to 100
    for (std::int16_t prime : {2, 3, 5, 7}) {
        primes.push_back(Variant::integer(prime));
    }
    Variant counter;
    countedLoop(counter, Variant::integer(8), Variant::integer(100), one, [&] {
        if (isTrue(isPrime(counter))) {
            list += "," + Str(counter);
            primes.push_back(counter);
        }
        return true;
    });
    window.writeText(TextBox::txtprime, list);
    return CommandRecord::completed(std::move(primes));
}

CommandRecord drawPrimePair(WindowVariables& vars, WindowOperations& window) {
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
    CommandRecord record = CommandRecord::completed();
    record.pIsPrime = true;
    record.qIsPrime = true;
    return record;
}

CommandRecord listPhiDivisors(WindowVariables& vars, WindowOperations& window) {
    vars.p = readNumber(window, TextBox::txtP);
    vars.q = readNumber(window, TextBox::txtQ);
    const Variant m = (vars.p - one) * (vars.q - one);
    // The search tries each i from 1 while i <= m and keeps those where
    // m Mod i is 0: 1 always, and the divisors of m rounded that do not exceed
    // m itself.
    const std::int32_t whole = m.toLongRounded();
    const double limit = m.toNumber();
    std::vector<Variant> listed = {one};
    if (whole > 1) {
        for (std::int32_t divisor : divisorsOf(whole)) {
            if (divisor > 1 && divisor <= limit) {
                listed.push_back(Variant::longInt(divisor));
            }
        }
    }
    std::string list;
    for (const Variant& divisor : listed) {
        list += Str(divisor);
    }
    window.appendText(TextBox::txtcarpan, list);
    CommandRecord record = CommandRecord::completed(std::move(listed));
    record.pIsPrime = primeWithinLong(vars.p);
    record.qIsPrime = primeWithinLong(vars.q);
    return record;
}

CommandRecord computeKey(WindowVariables& vars, WindowOperations& window) {
    vars.p = readNumber(window, TextBox::txtP);
    vars.q = readNumber(window, TextBox::txtQ);
    const bool pIsPrime = isTrue(isPrime(vars.p));
    const bool qIsPrime = isTrue(isPrime(vars.q));
    // A refusal keeps the earlier key, which the cipher takes only with its own primes.
    const auto refused = [&](Rule rule, std::vector<Variant> numbers) {
        CommandRecord record = CommandRecord::refused(rule, std::move(numbers));
        record.pIsPrime = pIsPrime;
        record.qIsPrime = qIsPrime;
        record.keptKey = !vars.key                           ? KeptKey::none
                         : vars.key->madeFor(vars.p, vars.q) ? KeptKey::fitsPrimes
                                                             : KeptKey::forOtherPrimes;
        return record;
    };
    if (!pIsPrime) {
        window.showMessage(texts::pNotPrime);
    }
    if (!qIsPrime) {
        window.showMessage(texts::qNotPrime);
    }
    if (!pIsPrime || !qIsPrime) {
        return refused(Rule::notPrime, {vars.p, vars.q});
    }
    // With p = q the decryption does not give the blocks back.
    if (isTrue(isEqual(vars.p, vars.q))) {
        window.showMessage(texts::primesMustDiffer);
        return refused(Rule::equalPrimes, {vars.p});
    }
    vars.phi = (vars.p - one) * (vars.q - one);
    vars.e = readNumber(window, TextBox::txtpublic);
    // Both fail with Overflow beyond the Long range, phi first.
    Variant inverse = privateExponent(vars.phi, vars.e);
    const std::int32_t exponent = vars.e.toLongRounded();
    // An exponent is usable exactly when it has a private counterpart.
    if (exponent <= 1 || inverse.isEmpty()) {
        window.showMessage(texts::badExponent);
        const double typed = vars.e.toNumber();
        if (exponent <= 1 || typed != std::floor(typed)) {
            return refused(Rule::exponentNotAboveOne, {vars.e});
        }
        const std::int64_t modulus = std::llabs(std::int64_t{vars.phi.toLongRounded()});
        const std::int64_t shared = std::gcd(std::int64_t{exponent} % modulus, modulus);
        return refused(Rule::exponentSharesFactor,
                       {vars.e, vars.phi, Variant::longInt(static_cast<std::int32_t>(shared))});
    }
    vars.d = inverse;
    vars.key = KeyOrigin{vars.p, vars.q, vars.e};
    window.writeText(TextBox::txtPrivate, Str(vars.d));
    CommandRecord record = CommandRecord::completed();
    record.pIsPrime = true;
    record.qIsPrime = true;
    record.privateExponent = std::move(inverse);
    return record;
}

} // namespace rsa
