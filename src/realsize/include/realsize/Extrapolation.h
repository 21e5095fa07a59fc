#pragma once

// How long factoring larger keys would take, scaled from the published record
// with the general number field sieve's growth
// L(n) = exp((64/9)^(1/3) (ln n)^(1/3) (ln ln n)^(2/3)): RSA-250, 829 bits,
// factored in 2020 with about 2,700 core-years. An estimate of the same
// method's cost, not a measurement.

#include <vector>

namespace rsa::realsize {

inline constexpr int recordBits = 829;
inline constexpr int recordYear = 2020;
inline constexpr double recordCoreYears = 2700.0;
inline constexpr double secondsPerYear = 365.25 * 24 * 3600;

// ln L(n) for n = 2^bits.
double logGnfsWork(int bits);

// The record's core-years times L(2^bits) / L(2^829).
double extrapolatedCoreYears(int bits);

// 512, 1024 and 2048: the sizes the chart extends to.
const std::vector<int>& extrapolatedSizes();

} // namespace rsa::realsize
