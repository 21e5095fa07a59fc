#pragma once

// The arithmetic of the card number cipher: the powers of a row of blocks and
// the block list text a row of blocks is shown as.

#include "operations/CommandRecord.h"
#include "value/Variant.h"

#include <array>
#include <string>

namespace rsa {

using BlockRow = std::array<Variant, 8>;

// Each block of in to exponent mod modulus, written to the same place of out,
// as multiplying the block in exponent times with a remainder after each step
// gives it, but by square-and-multiply in 64 bits: sign(block)^exponent *
// (|block|^exponent mod |modulus|), a Long. A block and the modulus count as
// their values rounded to whole numbers (Overflow beyond the Long range);
// Division by zero for a modulus of 0. With an exponent below 1 (or Empty)
// nothing is multiplied and each result is the Integer 1, whatever the block
// and the modulus. Returns how each power was worked out, for the record.
BlockPowers blockPowers(const BlockRow& in, const Variant& exponent, const Variant& modulus,
                        BlockRow& out);

// Str of each value in order, joined: " 1730 180-12".
std::string blockListText(const BlockRow& row);

} // namespace rsa
