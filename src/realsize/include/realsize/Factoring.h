#pragma once

// Factoring a balanced n = p q with FLINT (fmpz_factor, which switches to its
// self-initialising quadratic sieve for numbers of about 64 bits and more).
//
// FLINT offers no way to interrupt a factorisation, and its sieve of version
// 2.9 writes its relations to a file named "<number>siqs.dat" in the current
// folder. So each factorisation runs in a child process of its own, forked
// for it, working in a fresh temporary folder: the parent waits on a pipe in
// slices of 10 ms, reads the cancel flag and the deadline between them, and
// ends the child with SIGKILL when either says so; the folder is removed
// afterwards either way.

#include "realsize/RandomSource.h"

#include <gmpxx.h>

#include <atomic>
#include <chrono>

namespace rsa::realsize {

struct BalancedNumber {
    mpz_class n, p, q;
};

// n of exactly `bits` bits (16..512) with random primes p < q of bits / 2 bits
// each (the one of q rounded up).
BalancedNumber balancedNumber(int bits, RandomSource& random);

enum class FactoringEnd { Factored, Cancelled, TimedOut };

struct Factoring {
    FactoringEnd end = FactoringEnd::Cancelled;
    mpz_class p, q; // p <= q and p q = n when factored
    std::chrono::duration<double> seconds{};
    // The processor time the child used, which a busy machine does not stretch.
    std::chrono::duration<double> childCpuSeconds{};
};

// Factors n into two factors; `cancel` and `limit` are watched while FLINT
// works. Throws std::runtime_error, saying why, when the child cannot be
// started, fails, or returns something that does not multiply to n.
Factoring factorSemiprime(const mpz_class& n, const std::atomic<bool>& cancel,
                          std::chrono::duration<double> limit);

} // namespace rsa::realsize
