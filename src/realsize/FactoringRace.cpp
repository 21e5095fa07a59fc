#include "realsize/FactoringRace.h"

namespace rsa::realsize {

std::vector<int> raceSizes(int uptoBits) {
    std::vector<int> sizes;
    for (int bits = raceFirstBits; bits <= uptoBits; bits += raceStepBits) {
        sizes.push_back(bits);
    }
    return sizes;
}

RaceEnd runRace(const RaceOptions& options, const RaceNumbers& numbers, const Factorer& factor,
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
            factoring = factor(point.number.n, cancel, options.pointLimit);
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
    const auto factor = [helper = factoringHelper()](const mpz_class& n,
                                                     const std::atomic<bool>& stop,
                                                     std::chrono::duration<double> limit) {
        return factorSemiprime(helper, n, stop, limit);
    };
    return runRace(
        options, [&random](int bits) { return balancedNumber(bits, random); }, factor, cancel,
        onPoint);
}

} // namespace rsa::realsize
