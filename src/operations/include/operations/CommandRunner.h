#pragma once

// Runs one command the way a click does: to its end or to its first run-time
// failure. Commands never catch failures themselves; here a failure ends the
// command (what it assigned stays), is shown as "Hata N: NAME" and is written
// into the command's record.

#include "operations/CommandRecord.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <string>

namespace rsa {

// The record the command left, named after it.
CommandRecord runCommand(const Command& command, WindowVariables& vars, WindowOperations& window);

// "Hata 6: Overflow"
std::string runtimeErrorMessage(int number, const std::string& name);

} // namespace rsa
