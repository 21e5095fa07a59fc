#pragma once

// The key set-up commands: listing the primes up to 100, drawing a random
// prime pair, listing the divisors of (p-1)*(q-1), and computing the keys
// from p, q and the typed public exponent.

#include "operations/CommandRecord.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

namespace rsa {

CommandRecord listPrimes(WindowVariables& vars, WindowOperations& window);
CommandRecord drawPrimePair(WindowVariables& vars, WindowOperations& window);
// Its record holds the divisors it listed.
CommandRecord listPhiDivisors(WindowVariables& vars, WindowOperations& window);
CommandRecord computeKey(WindowVariables& vars, WindowOperations& window);

namespace commands {
inline constexpr Command listPrimes{CommandId::listPrimes, &rsa::listPrimes};
inline constexpr Command drawPrimePair{CommandId::drawPrimePair, &rsa::drawPrimePair};
inline constexpr Command listPhiDivisors{CommandId::listPhiDivisors, &rsa::listPhiDivisors};
inline constexpr Command computeKey{CommandId::computeKey, &rsa::computeKey};
} // namespace commands

} // namespace rsa
