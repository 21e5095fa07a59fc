#pragma once

// Rnd: the program's pseudo-random sequence. It starts from the same state at
// every launch and is never reseeded, so every run draws the same numbers.

#include "Variant.h"

#include <cstdint>

namespace rsa {

class RandomSequence {
public:
    // The next value, a Single in [0, 1). Values are multiples of 2^-24, which
    // binary32 holds exactly, so no value can round up to 1.0.
    Variant Rnd();

private:
    std::uint64_t m_state = 0x2545F4914F6CDD1DULL;
};

} // namespace rsa
