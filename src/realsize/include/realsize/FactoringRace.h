#pragma once

// The factoring race: a fresh balanced n of 32, 40, 48, ... bits is factored
// point after point and each time is reported as it is measured, until the
// size asked for is reached, the learner cancels, or one point needs longer
// than the limit.

#include "realsize/Factoring.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

namespace rsa::realsize {

inline constexpr int raceFirstBits = 32;
inline constexpr int raceStepBits = 8;

struct RacePoint {
    int bits = 0;
    BalancedNumber number; // p and q as the factorisation found them
    std::chrono::duration<double> seconds{};
};

enum class RaceEnd { Reached, Cancelled, LimitExceeded };

struct RaceOptions {
    int uptoBits = 512;
    std::chrono::duration<double> pointLimit = std::chrono::seconds(20);
};

// 32, 40, 48, ... up to and including `uptoBits`.
std::vector<int> raceSizes(int uptoBits);

// Runs the race on the calling thread; onPoint is called there after each
// point. `cancel` is read between points and while each one is factored.
RaceEnd runRace(const RaceOptions& options, RandomSource& random, const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint);

} // namespace rsa::realsize
