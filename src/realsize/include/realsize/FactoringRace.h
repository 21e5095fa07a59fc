#pragma once

// The factoring race: a fresh balanced n of 32, 40, 48, ... bits is factored
// point after point and each time is reported as it is measured, until the
// size asked for is reached, the learner cancels, or a size needs longer than
// the limit.
//
// A size is given up only when a second number of it passes the limit too:
// FLINT 2.9's sieve now and then needs a hundred times its usual time for one
// number (n = 3898905446165274659136295935924473, 112 bits, takes seconds
// where others of its size take 0.1 s), and one such number says nothing
// about the size. The caller passes the numbers and what factors them.

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

// The numbers raced: a balanced n of the given size.
using RaceNumbers = std::function<BalancedNumber(int bits)>;

// Runs the race on the calling thread; onPoint is called there after each
// point. `cancel` is read between points and handed to `factor`.
RaceEnd runRace(const RaceOptions& options, const RaceNumbers& numbers, const Factorer& factor,
                const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint);

// The same with fresh random numbers (balancedNumber) factored by the helper
// program (factorSemiprime).
RaceEnd runRace(const RaceOptions& options, RandomSource& random, const std::atomic<bool>& cancel,
                const std::function<void(const RacePoint&)>& onPoint);

} // namespace rsa::realsize
