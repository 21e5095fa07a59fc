#include "realsize/Extrapolation.h"

#include <cmath>

namespace rsa::realsize {

double logGnfsWork(int bits) {
    const double logN = bits * std::log(2.0);
    return std::cbrt(64.0 / 9.0) * std::cbrt(logN) * std::pow(std::log(logN), 2.0 / 3.0);
}

double extrapolatedCoreYears(int bits) {
    return recordCoreYears * std::exp(logGnfsWork(bits) - logGnfsWork(recordBits));
}

const std::vector<int>& extrapolatedSizes() {
    static const std::vector<int> sizes{512, 1024, 2048};
    return sizes;
}

} // namespace rsa::realsize
