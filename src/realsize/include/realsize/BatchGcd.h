#pragma once

// Shared primes across many public keys, as the 2012 survey "Mining your Ps
// and Qs" (Heninger, Durumeric, Wustrow, Halderman) found them among the keys
// of TLS and SSH hosts: the batch GCD. A product tree multiplies the moduli
// pairwise up to P = n1 n2 ... nN; a remainder tree takes P down again,
// modulo the square of each node, to zi = P mod ni^2 at the leaves; then
// gcd(ni, zi / ni) is ni's greatest common divisor with the product of all
// the others, in time about N log^2 N instead of the N^2 / 2 gcds of every
// pair.

#include <gmpxx.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace rsa::realsize {

// Called with how much is done, 0 to 100 (percent).
using BatchProgress = std::function<void(int percent)>;

// One level of the product tree, as the step window's table shows it.
struct TreeLevel {
    std::size_t nodes = 0;
    int largestBits = 0; // of its largest node
};

struct SharedPrimes {
    // For each modulus, its gcd with the product of all the others (1 when
    // it shares nothing).
    std::vector<mpz_class> gcds;
    // The product tree's levels, from the moduli up to their product.
    std::vector<TreeLevel> productTree;
};

// std::nullopt once `cancel` is seen, which is read between two levels of the
// trees. Moduli must be at least 2.
std::optional<SharedPrimes> batchGcd(const std::vector<mpz_class>& moduli,
                                     const std::atomic<bool>& cancel,
                                     const BatchProgress& progress = {});

// The same result the slow way, from the gcd of every pair; `cancel` is read
// once a modulus.
std::optional<std::vector<mpz_class>> pairwiseGcd(const std::vector<mpz_class>& moduli,
                                                  const std::atomic<bool>& cancel);

// The positions (from 0) whose gcd is not 1: the keys whose primes are known.
std::vector<std::size_t> keysSharingAPrime(const std::vector<mpz_class>& gcds);

} // namespace rsa::realsize
