#include "realsize/FactoringRace.h"

namespace rsa::realsize {

std::vector<int> raceSizes(int uptoBits) {
    std::vector<int> sizes;
    for (int bits = raceFirstBits; bits <= uptoBits; bits += raceStepBits) {
        sizes.push_back(bits);
    }
    return sizes;
}

RaceEnd runRace(const RaceOptions& options, const RaceNumbers& numbers,
                const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint) {
    constexpr int numbersPerSize = 2;
    for (const int bits : raceSizes(options.uptoBits)) {
        RacePoint point;
        point.bits = bits;
        Factoring factoring;
        for (int tried = 0; tried < numbersPerSize; ++tried) {
            if (cancel.load()) {
                return RaceEnd::Cancelled;
            }
            point.number = numbers(bits);
            factoring = factorSemiprime(point.number.n, cancel, options.pointLimit);
            if (factoring.end != FactoringEnd::TimedOut) {
                break;
            }
        }
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

RaceEnd runRace(const RaceOptions& options, RandomSource& random, const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint) {
    return runRace(
        options, [&random](int bits) { return balancedNumber(bits, random); }, cancel, onPoint);
}

} // namespace rsa::realsize
