#pragma once

// Encryption and decryption of the card number. The four groups of txt1..txt4
// are cut into eight blocks of two digits; each block is encrypted on its own
// as c = m^e mod p*q and decrypted as r = c^d mod p*q. Each click appends one
// row of eight values (the block list text) to its output box.

#include "operations/CommandRecord.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

namespace rsa {

CommandRecord encryptCard(WindowVariables& vars, WindowOperations& window);
CommandRecord decryptCard(WindowVariables& vars, WindowOperations& window);

namespace commands {
inline constexpr Command encryptCard{CommandId::encryptCard, &rsa::encryptCard};
inline constexpr Command decryptCard{CommandId::decryptCard, &rsa::decryptCard};
} // namespace commands

} // namespace rsa
