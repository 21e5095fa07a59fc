#pragma once

// The run-time failure an action ends with, for tests that expect one.

#include "value/RuntimeError.h"

#include <functional>

namespace rsa::testing {

// The failure's number, or 0 when the action ran to its end.
inline int failureNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& failure) {
        return failure.number();
    }
    return 0;
}

} // namespace rsa::testing
