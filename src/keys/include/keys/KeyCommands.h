#pragma once

// The key set-up commands: listing the primes up to 100, drawing a random
// prime pair, listing the divisors of (p-1)*(q-1), and computing the keys
// from p, q and the typed public exponent.

#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

namespace rsa {

void listPrimes(WindowVariables& vars, WindowOperations& window);
void drawPrimePair(WindowVariables& vars, WindowOperations& window);
void listPhiDivisors(WindowVariables& vars, WindowOperations& window);
void computeKey(WindowVariables& vars, WindowOperations& window);

} // namespace rsa
