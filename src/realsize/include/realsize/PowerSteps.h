#pragma once

// What one modular power costs by square-and-multiply: a squaring for every
// bit of the exponent after the first, and a multiplication for every further
// 1 bit. The step window tells these counts instead of listing the rows.

#include <gmpxx.h>

namespace rsa::realsize {

struct PowerSteps {
    int squarings = 0;
    int multiplications = 0;
};

// For an exponent of at least 1.
PowerSteps squareAndMultiplySteps(const mpz_class& exponent);

} // namespace rsa::realsize
