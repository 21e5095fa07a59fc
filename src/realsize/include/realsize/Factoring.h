#pragma once

// Factoring a balanced n = p q with FLINT (fmpz_factor, which switches to its
// self-initialising quadratic sieve for numbers of about 64 bits and more).
//
// FLINT offers no way to interrupt a factorisation, and its sieve of version
// 2.9 writes its relations to a file named "<number>siqs.dat" in the current
// folder. So each factorisation runs in the helper program rsa-demo-factor
// (src/factor), started with posix_spawn in a fresh temporary folder with n
// as its argument; the factors come back on a pipe, which the caller watches
// in slices of 10 ms, reading the cancel flag and the deadline between
// them. When either says so the helper is ended with SIGKILL; it is reaped and
// the folder removed on every way out, exceptions included.

#include "realsize/RandomSource.h"

#include <gmpxx.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>

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

// The helper program: rsa-demo-factor in the folder of the code that holds
// this library, that is beside the real-size module (build tree and installed
// package alike) or beside a program linking the library itself.
std::filesystem::path factoringHelper();

// Factors n into two factors with `helper`; `cancel` and `limit` are watched
// while FLINT works. Throws std::runtime_error, saying why, when the helper
// cannot be started, fails, or returns something that does not multiply to n.
Factoring factorSemiprime(const std::filesystem::path& helper, const mpz_class& n,
                          const std::atomic<bool>& cancel, std::chrono::duration<double> limit);
// The same with factoringHelper().
Factoring factorSemiprime(const mpz_class& n, const std::atomic<bool>& cancel,
                          std::chrono::duration<double> limit);

// What factors the race's numbers: factorSemiprime in real use.
using Factorer = std::function<Factoring(const mpz_class& n, const std::atomic<bool>& cancel,
                                         std::chrono::duration<double> limit)>;

} // namespace rsa::realsize
