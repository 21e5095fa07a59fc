#pragma once

// The File and Help menu: Save writes the cipher text of txtdecmsj to a file,
// exit ends the program, "RSA hakkında" opens a web page about RSA.

#include "operations/CommandRecord.h"
#include "operations/WindowOperations.h"
#include "state/WindowVariables.h"

#include <string>

namespace rsa {

// The bytes Save writes for the cipher box's text: windows-1254, every line
// break as CR LF, and CR LF at the end. Other windows save blocks in this
// form so that either can open what the other wrote.
std::string cipherFileBytes(const std::string& boxText);

CommandRecord saveCipherText(WindowVariables& vars, WindowOperations& window);
CommandRecord exitProgram(WindowVariables& vars, WindowOperations& window);
CommandRecord openAboutPage(WindowVariables& vars, WindowOperations& window);

namespace commands {
inline constexpr Command saveCipherText{CommandId::saveCipherText, &rsa::saveCipherText};
inline constexpr Command exitProgram{CommandId::exitProgram, &rsa::exitProgram};
inline constexpr Command openAboutPage{CommandId::openAboutPage, &rsa::openAboutPage};
} // namespace commands

} // namespace rsa
