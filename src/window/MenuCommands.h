#pragma once

// The File and Help menu: Save writes the cipher text of txtdecmsj to a file,
// exit ends the program, "RSA hakkında" opens a web page about RSA.

#include "state/WindowVariables.h"
#include "window/WindowOperations.h"

namespace rsa {

void mnuItemSave_Click(WindowVariables& vars, WindowOperations& window);
void mnuExitItem_Click(WindowVariables& vars, WindowOperations& window);
void mnuRsaItem_Click(WindowVariables& vars, WindowOperations& window);

} // namespace rsa
