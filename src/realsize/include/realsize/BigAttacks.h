#pragma once

// The attacks that still work at real size, on keys made badly: Wiener's
// attack on a small private exponent and Fermat's method on primes that lie
// close together. Both are exact: what they return has been checked against
// n, and a key they cannot break is reported as such, never guessed at. Both
// read the cancel flag between two of their steps.

#include <gmpxx.h>

#include <atomic>
#include <cstddef>
#include <vector>

namespace rsa::realsize {

enum class AttackEnd { Found, NotFound, Cancelled };

// One convergent k/d of e/n, as the step window's table shows it.
struct WienerRow {
    mpz_class k, d;
    bool phiWhole = false; // (e d - 1) / k is whole
    mpz_class phi;         // when it is
    // and the discriminant of x^2 - (n - phi + 1) x + n is a square
    bool squareDiscriminant = false;
};

struct WienerAttack {
    AttackEnd end = AttackEnd::NotFound;
    mpz_class d, p, q; // p < q, p q = n and e d = 1 mod phi(n) when found
    // Every convergent looked at, in order (the first being 0/1); when d was
    // found, the last gave it.
    std::vector<WienerRow> rows;
};

// Wiener's bound: the attack is sure to succeed when d < n^(1/4) / 3 (and
// q < p < 2q); this is the floor of that number.
mpz_class wienerBound(const mpz_class& n);

// Each convergent k/d of the continued fraction of e/n is a candidate:
// phi = (e d - 1) / k must be whole, and x^2 - (n - phi + 1) x + n = 0 must
// have two whole roots, found with the integer square root of its
// discriminant; they are p and q.
WienerAttack wienerAttack(const mpz_class& n, const mpz_class& e, const std::atomic<bool>& cancel);

// The block a d found is checked on: encrypted with e and decrypted with d,
// it comes back when d is right.
inline constexpr unsigned long testBlock = 42;

struct RoundTrip {
    mpz_class cipher; // block^e mod n
    mpz_class back;   // cipher^d mod n
};
RoundTrip roundTrip(const mpz_class& block, const mpz_class& n, const mpz_class& e,
                    const mpz_class& d);

// One value of a and a^2 - n, as the step window's table shows it.
struct FermatRow {
    unsigned long step = 0; // from 1
    mpz_class a, difference;
};

// How many of Fermat's first steps are kept for the table.
inline constexpr std::size_t fermatRowsKept = 8;

struct FermatAttack {
    AttackEnd end = AttackEnd::NotFound;
    mpz_class p, q; // p <= q and p q = n when found
    mpz_class a, b; // n = a^2 - b^2
    unsigned long steps = 0;
    // The first steps, up to fermatRowsKept, from a = ceil(sqrt(n)); when a
    // square was found later, its step follows them.
    std::vector<FermatRow> rows;
};

// Fermat's method on an odd n: a from the ceiling of sqrt(n) up, until
// a^2 - n is a square b^2; then n = (a - b)(a + b). Gives up after
// `largestSteps` values of a, so primes far apart end in NotFound.
FermatAttack fermatAttack(const mpz_class& n, unsigned long largestSteps,
                          const std::atomic<bool>& cancel);

} // namespace rsa::realsize
