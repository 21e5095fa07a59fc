#pragma once

// Runs one command the way a click does: to its end or to its first run-time
// failure. Commands never catch failures themselves; here a failure ends the
// command (what it assigned stays) and is shown as "Hata N: NAME".

#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <string>

namespace rsa {

using Command = void (*)(WindowVariables&, WindowOperations&);

// False when a run-time failure ended the command.
bool runCommand(Command command, WindowVariables& vars, WindowOperations& window);

// "Hata 6: Overflow"
std::string runtimeErrorMessage(int number, const std::string& name);

} // namespace rsa
