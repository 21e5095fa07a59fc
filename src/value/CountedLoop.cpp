#include "value/CountedLoop.h"

#include "value/RuntimeError.h"

#include <cmath>

namespace rsa {

std::uint64_t unitLoopPasses(const Variant& last) {
    const double to = last.toNumber();
    if (to < 1) {
        return 0;
    }
    if (to >= 9.0e18) {
        throw RuntimeError::overflow();
    }
    return static_cast<std::uint64_t>(std::floor(to));
}

Variant unitLoopCounterAfter(const Variant& last) {
    const std::uint64_t after = unitLoopPasses(last) + 1;
    if (after <= 32767) {
        return Variant::integer(static_cast<std::int16_t>(after));
    }
    if (after <= 2147483647) {
        return Variant::longInt(static_cast<std::int32_t>(after));
    }
    return Variant::doubleValue(static_cast<double>(after));
}

} // namespace rsa
