#include "realsize/PowerSteps.h"

#include <stdexcept>

namespace rsa::realsize {

PowerSteps squareAndMultiplySteps(const mpz_class& exponent) {
    if (exponent < 1) {
        throw std::invalid_argument("square-and-multiply needs an exponent of 1 or more");
    }
    PowerSteps steps;
    steps.squarings = static_cast<int>(mpz_sizeinbase(exponent.get_mpz_t(), 2)) - 1;
    steps.multiplications = static_cast<int>(mpz_popcount(exponent.get_mpz_t())) - 1;
    return steps;
}

} // namespace rsa::realsize
