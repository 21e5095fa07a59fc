#include "cipher/BlockCipher.h"

#include "numbers/NumberRoutines.h"
#include "value/Conversions.h"
#include "value/CountedLoop.h"
#include "value/RuntimeError.h"

#include <cstdlib>

namespace rsa {

Variant blockPower(const Variant& block, const Variant& exponent, const Variant& modulus) {
    const std::uint64_t passes = unitLoopPasses(exponent);
    if (passes == 0) {
        return Variant::integer(1);
    }
    const std::int64_t base = block.toLongRounded();
    const std::int64_t n = modulus.toLongRounded();
    if (n == 0) {
        throw RuntimeError::divisionByZero();
    }
    // Each remainder keeps the sign of its product, so the sign alternates
    // with a negative block and the magnitude is that of |block|.
    const bool negative = base < 0 && (passes & 1) != 0;
    const std::uint64_t result = modularPower(static_cast<std::uint64_t>(std::llabs(base)), passes,
                                              static_cast<std::uint64_t>(std::llabs(n)));
    const auto magnitude = static_cast<std::int32_t>(result);
    return Variant::longInt(negative ? -magnitude : magnitude);
}

std::string blockListText(const BlockRow& row) {
    std::string text;
    for (const Variant& value : row) {
        text += Str(value);
    }
    return text;
}

} // namespace rsa
