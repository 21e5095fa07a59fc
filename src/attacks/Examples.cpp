// New examples of each attack, drawn so that the attack's condition holds:
// primes close together for Fermat, a smooth p − 1 for Pollard, a small d
// for Wiener, ... Moduli stay below 2^32 like every classroom attack's.

#include "Work.h"
#include "numbers/ModularArithmetic.h"
#include "numbers/NumberRoutines.h"
#include "numbers/NumberTheory.h"
#include "numbers/TrialDivision.h"

#include <random>

namespace rsa::attacks {

namespace {

class Drawing {
public:
    explicit Drawing(const Draw& draw) : m_draw(draw) {}

    // A number from low to high inclusive.
    std::uint64_t between(std::uint64_t low, std::uint64_t high) {
        return low + m_draw() % (high - low + 1);
    }

    std::uint64_t prime(std::uint64_t low, std::uint64_t high) {
        for (;;) {
            const std::uint64_t candidate = between(low, high);
            if (isPrimeNumber(static_cast<std::uint32_t>(candidate))) {
                return candidate;
            }
        }
    }

    // A key: two different primes from low to high, and e from the small
    // primes coprime to φ.
    struct Key {
        std::uint64_t p, q, n, phi, e, d;
    };
    Key key(std::uint64_t low, std::uint64_t high, std::uint64_t e = 0) {
        for (;;) {
            Key key{prime(low, high), prime(low, high), 0, 0, e, 0};
            key.n = key.p * key.q;
            key.phi = (key.p - 1) * (key.q - 1);
            if (e == 0) {
                key.e = smallExponent();
            }
            const auto d =
                inverse(static_cast<std::int64_t>(key.e), static_cast<std::int64_t>(key.phi));
            if (key.p != key.q && d) {
                key.d = static_cast<std::uint64_t>(*d);
                return key;
            }
        }
    }

    std::uint64_t smallExponent() {
        constexpr std::uint64_t small[] = {3, 5, 7, 11, 13, 17};
        return small[between(0, 5)];
    }

    // A message below n that shares no factor with it.
    std::uint64_t message(std::uint64_t n) {
        for (;;) {
            const std::uint64_t m = between(2, n - 1);
            if (greatestCommonDivisor(m, n) == 1) {
                return m;
            }
        }
    }

private:
    const Draw& m_draw;
};

std::uint64_t largestPrimeFactor(std::uint64_t n) {
    return primeFactors(n).back().first;
}

// 2^(B!) mod prime.
std::uint64_t factorialPower(std::uint64_t bound, std::uint64_t prime) {
    std::uint64_t a = 2;
    for (std::uint64_t j = 2; j <= bound; ++j) {
        a = modularPower(a, j, prime);
    }
    return a;
}

// p with 2^(B!) mod p = 1, and q where it is not yet 1, or the gcd would be n.
std::vector<std::uint64_t> pMinus1Example(Drawing& draw) {
    const std::uint64_t bound = draw.between(5, 12);
    std::uint64_t p = 0;
    do {
        p = draw.prime(100, 60000);
    } while (largestPrimeFactor(p - 1) > bound || factorialPower(bound, p) != 1);
    for (;;) {
        const std::uint64_t q = draw.prime(100, 60000);
        if (q != p && factorialPower(bound, q) != 1) {
            return {p * q, bound};
        }
    }
}

std::vector<std::uint64_t> wienerExample(Drawing& draw) {
    for (;;) {
        const std::uint64_t p = draw.prime(1000, 60000);
        const std::uint64_t q = draw.prime(1000, 60000);
        if (p == q || q > 2 * p || p > 2 * q) {
            continue;
        }
        const std::uint64_t n = p * q;
        const std::uint64_t phi = (p - 1) * (q - 1);
        // d < n^¼ / 3: d⁴ · 81 < n.
        std::uint64_t largest = integerRoot(n / 81, 4);
        if (largest < 3) {
            continue;
        }
        const std::uint64_t d = draw.between(3, largest);
        const auto e = inverse(static_cast<std::int64_t>(d), static_cast<std::int64_t>(phi));
        if (e && 81 * d * d * d * d < n) {
            return {n, static_cast<std::uint64_t>(*e)};
        }
    }
}

std::vector<std::uint64_t> faultExample(Drawing& draw) {
    const auto key = draw.key(100, 60000);
    const std::uint64_t m = draw.message(key.n);
    // The mod-p half is right; the mod-q half is off by a nonzero amount.
    const std::uint64_t right = modularPower(m % key.p, key.d % (key.p - 1), key.p);
    const std::uint64_t wrong =
        (modularPower(m % key.q, key.d % (key.q - 1), key.q) + draw.between(1, key.q - 1)) % key.q;
    const auto crt = chineseRemainder({right, wrong}, {key.p, key.q});
    return {key.n, key.e, m, crt->value};
}

} // namespace

std::vector<std::uint64_t> randomExample(AttackId attack, const Draw& source) {
    Drawing draw(source);
    switch (attack) {
    case AttackId::Fermat: {
        const std::uint64_t p = draw.prime(1000, 60000);
        std::uint64_t q = p + 2;
        while (!isPrimeNumber(static_cast<std::uint32_t>(q))) {
            q += 2;
        }
        return {p * q};
    }
    case AttackId::PMinus1:
        return pMinus1Example(draw);
    case AttackId::Shared: {
        const std::uint64_t shared = draw.prime(100, 5000);
        const auto other = [&draw, shared] {
            std::uint64_t prime = shared;
            while (prime == shared) {
                prime = draw.prime(100, 5000);
            }
            return prime;
        };
        return {other() * shared, other() * other(), other() * shared};
    }
    case AttackId::SmallE: {
        const auto key = draw.key(100, 60000, 3);
        const std::uint64_t m = draw.between(2, integerRoot(key.n - 1, 3));
        return {key.n, 3, m * m * m};
    }
    case AttackId::Hastad: {
        std::vector<std::uint64_t> moduli;
        while (moduli.size() < 3) {
            const auto key = draw.key(50, 1000, 3);
            bool coprime = true;
            for (const std::uint64_t n : moduli) {
                coprime = coprime && greatestCommonDivisor(n, key.n) == 1;
            }
            if (coprime) {
                moduli.push_back(key.n);
            }
        }
        const std::uint64_t smallest = std::min({moduli[0], moduli[1], moduli[2]});
        const std::uint64_t m = draw.between(2, smallest - 1);
        return {3,
                moduli[0],
                moduli[1],
                moduli[2],
                modularPower(m, 3, moduli[0]),
                modularPower(m, 3, moduli[1]),
                modularPower(m, 3, moduli[2])};
    }
    case AttackId::Common:
        for (;;) {
            const auto key = draw.key(100, 60000);
            const std::uint64_t e2 = draw.smallExponent();
            if (e2 != key.e && greatestCommonDivisor(e2, key.phi) == 1) {
                const std::uint64_t m = draw.message(key.n);
                return {key.n, key.e, e2, modularPower(m, key.e, key.n),
                        modularPower(m, e2, key.n)};
            }
        }
    case AttackId::Wiener:
        return wienerExample(draw);
    case AttackId::Chosen: {
        const auto key = draw.key(100, 60000);
        return {key.n, key.e, modularPower(draw.message(key.n), key.e, key.n)};
    }
    case AttackId::Forge: {
        const auto key = draw.key(100, 60000);
        const std::uint64_t m1 = draw.message(key.n);
        const std::uint64_t m2 = draw.message(key.n);
        return {
            key.n, key.e, m1, modularPower(m1, key.d, key.n), m2, modularPower(m2, key.d, key.n)};
    }
    case AttackId::Fault:
        break;
    }
    return faultExample(draw);
}

std::vector<std::uint64_t> randomExample(AttackId attack) {
    std::random_device device;
    std::uniform_int_distribution<std::uint64_t> any;
    return randomExample(attack, [&device, &any] { return any(device); });
}

} // namespace rsa::attacks
