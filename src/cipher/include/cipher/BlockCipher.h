#pragma once

// The arithmetic of the card number cipher: the power of one block and the
// block list text a row of blocks is shown as.

#include "value/Variant.h"

#include <array>
#include <string>

namespace rsa {

using BlockRow = std::array<Variant, 8>;

// block^exponent mod modulus, as multiplying the block in exponent times with
// a remainder after each step gives it, but by square-and-multiply in 64 bits:
// sign(block)^exponent * (|block|^exponent mod |modulus|), a Long. The block
// and the modulus count as their values rounded to whole numbers (Overflow
// beyond the Long range); Division by zero for a modulus of 0. With an
// exponent below 1 (or Empty) nothing is multiplied and the result is the
// Integer 1, whatever the block and the modulus.
Variant blockPower(const Variant& block, const Variant& exponent, const Variant& modulus);

// Str of each value in order, joined: " 1730 180-12".
std::string blockListText(const BlockRow& row);

} // namespace rsa
