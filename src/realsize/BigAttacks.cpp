#include "realsize/BigAttacks.h"

#include <utility>

namespace rsa::realsize {

namespace {

// The two roots of x^2 - sum x + product = 0 when both are whole and
// positive, smaller first.
bool wholeRoots(const mpz_class& sum, const mpz_class& product, mpz_class& smaller,
                mpz_class& larger) {
    const mpz_class discriminant = sum * sum - 4 * product;
    if (discriminant < 0 || mpz_perfect_square_p(discriminant.get_mpz_t()) == 0) {
        return false;
    }
    mpz_class root;
    mpz_sqrt(root.get_mpz_t(), discriminant.get_mpz_t());
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
        mpz_class k = term * kNow + kBefore;
        mpz_class d = term * dNow + dBefore;
        kBefore = std::exchange(kNow, k);
        dBefore = std::exchange(dNow, d);
        ++attack.convergentsTried;
        if (k == 0 || (e * d - 1) % k != 0) {
            continue;
        }
        const mpz_class phi = (e * d - 1) / k;
        if (wholeRoots(n - phi + 1, n, attack.p, attack.q)) {
            attack.end = AttackEnd::Found;
            attack.d = d;
            attack.convergent = attack.convergentsTried;
            return attack;
        }
    }
    return attack;
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
        if (mpz_perfect_square_p(difference.get_mpz_t()) != 0) {
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
