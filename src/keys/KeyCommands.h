#pragma once

// The key set-up commands: listing the primes up to 100, drawing a random
// prime pair, listing the divisors of (p-1)*(q-1), and computing the keys
// from p, q and the typed public exponent.

#include "state/WindowVariables.h"
#include "window/WindowOperations.h"

namespace rsa {

void cmdPrime_Click(WindowVariables& vars, WindowOperations& window);
void Command1_Click(WindowVariables& vars, WindowOperations& window);
void Command2_Click(WindowVariables& vars, WindowOperations& window);
void cmdHesapla_Click(WindowVariables& vars, WindowOperations& window);

} // namespace rsa
