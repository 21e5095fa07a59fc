#include "realsize/BigAttacks.h"

#include <utility>

namespace rsa::realsize {

namespace {

// The two roots of x^2 - sum x + product = 0, smaller first, from the
// square root of its discriminant, when both are whole and positive.
bool wholeRoots(const mpz_class& sum, const mpz_class& product, const mpz_class& root,
                mpz_class& smaller, mpz_class& larger) {
    if ((sum - root) % 2 != 0) {
        return false;
    }
    smaller = (sum - root) / 2;
    larger = (sum + root) / 2;
    return smaller > 1 && smaller * larger == product;
}

} // namespace

mpz_class wienerBound(const mpz_class& n) {
    mpz_class root;
    mpz_root(root.get_mpz_t(), n.get_mpz_t(), 4);
    return root / 3;
}

WienerAttack wienerAttack(const mpz_class& n, const mpz_class& e, const std::atomic<bool>& cancel) {
    WienerAttack attack;
    // The convergents h/k of e/n by h_i = a_i h_(i-1) + h_(i-2), and the same
    // for k: here h plays the attack's k and k its d.
    mpz_class numerator = e, denominator = n;
    mpz_class kBefore = 0, kNow = 1; // h_(-2), h_(-1)
    mpz_class dBefore = 1, dNow = 0; // k_(-2), k_(-1)
    while (denominator != 0) {
        if (cancel.load()) {
            attack.end = AttackEnd::Cancelled;
            return attack;
        }
        const mpz_class term = numerator / denominator;
        mpz_class remainder = numerator - term * denominator;
        numerator = denominator;
        denominator = remainder;
        WienerRow& row = attack.rows.emplace_back();
        row.k = term * kNow + kBefore;
        row.d = term * dNow + dBefore;
        kBefore = std::exchange(kNow, row.k);
        dBefore = std::exchange(dNow, row.d);
        const mpz_class& k = row.k;
        const mpz_class& d = row.d;
        if (k == 0) {
            continue;
        }
        const mpz_class multiple = e * d - 1; // k phi, when k/d is the key's
        row.phiWhole = mpz_divisible_p(multiple.get_mpz_t(), k.get_mpz_t()) != 0;
        if (!row.phiWhole) {
            continue;
        }
        mpz_divexact(row.phi.get_mpz_t(), multiple.get_mpz_t(), k.get_mpz_t());
        const mpz_class sum = n - row.phi + 1;
        const mpz_class discriminant = sum * sum - 4 * n;
        row.squareDiscriminant =
            discriminant >= 0 && mpz_perfect_square_p(discriminant.get_mpz_t()) != 0;
        if (!row.squareDiscriminant) {
            continue;
        }
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), discriminant.get_mpz_t());
        if (wholeRoots(sum, n, root, attack.p, attack.q)) {
            attack.end = AttackEnd::Found;
            attack.d = d;
            return attack;
        }
    }
    return attack;
}

RoundTrip roundTrip(const mpz_class& block, const mpz_class& n, const mpz_class& e,
                    const mpz_class& d) {
    RoundTrip trip;
    mpz_powm(trip.cipher.get_mpz_t(), block.get_mpz_t(), e.get_mpz_t(), n.get_mpz_t());
    mpz_powm(trip.back.get_mpz_t(), trip.cipher.get_mpz_t(), d.get_mpz_t(), n.get_mpz_t());
    return trip;
}

FermatAttack fermatAttack(const mpz_class& n, unsigned long largestSteps,
                          const std::atomic<bool>& cancel) {
    FermatAttack attack;
    mpz_class a;
    mpz_sqrt(a.get_mpz_t(), n.get_mpz_t());
    if (a * a != n) {
        ++a;
    }
    // a^2 - n follows a by adding 2a + 1, so no square is taken in the loop
    // but the test of the result.
    mpz_class difference = a * a - n;
    for (attack.steps = 1; attack.steps <= largestSteps; ++attack.steps) {
        if (cancel.load()) {
            attack.end = AttackEnd::Cancelled;
            return attack;
        }
        const bool square = mpz_perfect_square_p(difference.get_mpz_t()) != 0;
        if (attack.rows.size() < fermatRowsKept || square) {
            attack.rows.push_back({attack.steps, a, difference});
        }
        if (square) {
            mpz_sqrt(attack.b.get_mpz_t(), difference.get_mpz_t());
            attack.a = a;
            attack.p = a - attack.b;
            attack.q = a + attack.b;
            attack.end = attack.p > 1 ? AttackEnd::Found : AttackEnd::NotFound;
            return attack;
        }
        difference += 2 * a + 1;
        ++a;
    }
    attack.steps = largestSteps;
    return attack;
}

} // namespace rsa::realsize
