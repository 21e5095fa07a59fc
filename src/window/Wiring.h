#pragma once

// Which command each click runs: the six buttons and the three menu entries,
// by the names of their controls.

#include "window/CommandRunner.h"

#include <string_view>

namespace rsa {

struct Wire {
    std::string_view control;
    Command command;
};

extern const Wire wiring[9];

} // namespace rsa
