#pragma once

// The File and Help menu: Save writes the cipher text of txtdecmsj to a file,
// exit ends the program, "RSA hakkında" opens a web page about RSA.

#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

namespace rsa {

void saveCipherText(WindowVariables& vars, WindowOperations& window);
void exitProgram(WindowVariables& vars, WindowOperations& window);
void openAboutPage(WindowVariables& vars, WindowOperations& window);

} // namespace rsa
