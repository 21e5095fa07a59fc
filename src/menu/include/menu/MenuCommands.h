#pragma once

// The File and Help menu: Save writes the cipher text of txtdecmsj to a file,
// exit ends the program, "RSA hakkında" opens a web page about RSA.

#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <string>

namespace rsa {

// The bytes Save writes for the cipher box's text: windows-1254, every line
// break as CR LF, and CR LF at the end. Other windows save blocks in this
// form so that either can open what the other wrote.
std::string cipherFileBytes(const std::string& boxText);

void saveCipherText(WindowVariables& vars, WindowOperations& window);
void exitProgram(WindowVariables& vars, WindowOperations& window);
void openAboutPage(WindowVariables& vars, WindowOperations& window);

} // namespace rsa
