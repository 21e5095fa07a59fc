#pragma once

// The counted loop, counting upwards from first to last by a step of 0 or
// more (the program never counts down). First, last and
// step are taken once, before the first pass; after each pass the step is
// added to the counter with the ordinary Variant +, so an Integer counter
// widens to Long past 32767. A normal end leaves the counter at the first
// value beyond the last; a body that returns false leaves it where it was.

#include "Operations.h"
#include "Variant.h"

#include <cstdint>

namespace rsa {

template <typename Body>
void countedLoop(Variant& counter, const Variant& first, const Variant& last, const Variant& step,
                 Body body) {
    const Variant to = last;
    const Variant by = step;
    counter = first;
    while (isTrue(isLessOrEqual(counter, to))) {
        if (!body()) {
            return;
        }
        counter = counter + by;
    }
}

// How many passes a loop from the Integer 1 to last, step 1, makes: one for
// each whole number from 1 up to last, none when last is below 1 or Empty.
std::uint64_t unitLoopPasses(const Variant& last);

// The counter such a loop leaves behind after a normal end, without running
// it: the Integer 1 when it made no pass, else passes + 1, an Integer, Long or
// Double as the additions would have widened it.
Variant unitLoopCounterAfter(const Variant& last);

} // namespace rsa
