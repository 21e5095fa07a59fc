#include "realsize/FactoringRace.h"

namespace rsa::realsize {

std::vector<int> raceSizes(int uptoBits) {
    std::vector<int> sizes;
    for (int bits = raceFirstBits; bits <= uptoBits; bits += raceStepBits) {
        sizes.push_back(bits);
    }
    return sizes;
}

RaceEnd runRace(const RaceOptions& options, RandomSource& random, const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint) {
    for (const int bits : raceSizes(options.uptoBits)) {
        if (cancel.load()) {
            return RaceEnd::Cancelled;
        }
        RacePoint point;
        point.bits = bits;
        point.number = balancedNumber(bits, random);
        const Factoring factoring = factorSemiprime(point.number.n, cancel, options.pointLimit);
        if (factoring.end == FactoringEnd::Cancelled) {
            return RaceEnd::Cancelled;
        }
        if (factoring.end == FactoringEnd::TimedOut) {
            return RaceEnd::LimitExceeded;
        }
        point.number.p = factoring.p;
        point.number.q = factoring.q;
        point.seconds = factoring.seconds;
        onPoint(point);
    }
    return RaceEnd::Reached;
}

} // namespace rsa::realsize
