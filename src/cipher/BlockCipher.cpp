#include "cipher/BlockCipher.h"

#include "numbers/ModularArithmetic.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/RuntimeError.h"

#include <cstdlib>

namespace rsa {

BlockPowers blockPowers(const BlockRow& in, const Variant& exponent, const Variant& modulus,
                        BlockRow& out) {
    BlockPowers powers;
    powers.exponent = unitLoopPasses(exponent);
    if (powers.exponent == 0) {
        out.fill(Variant::integer(1));
        return powers;
    }
    powers.blocks.reserve(in.size());
    for (std::size_t k = 0; k < in.size(); ++k) {
        BlockPower power;
        power.base = in[k].toLongRounded();
        const std::int64_t n = modulus.toLongRounded();
        if (n == 0) {
            throw RuntimeError::divisionByZero();
        }
        powers.modulus = static_cast<std::uint64_t>(std::llabs(n));
        // Each remainder keeps the sign of its product, so the sign alternates
        // with a negative block and the magnitude is that of |block|.
        power.negative = power.base < 0 && (powers.exponent & 1) != 0;
        power.magnitude = modularPower(static_cast<std::uint64_t>(std::llabs(power.base)),
                                       powers.exponent, powers.modulus);
        const auto magnitude = static_cast<std::int32_t>(power.magnitude);
        out[k] = Variant::longInt(power.negative ? -magnitude : magnitude);
        powers.blocks.push_back(power);
    }
    return powers;
}

std::string blockListText(const BlockRow& row) {
    std::string text;
    for (const Variant& value : row) {
        text += Str(value);
    }
    return text;
}

} // namespace rsa
