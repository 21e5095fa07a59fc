#pragma once

// The step-by-step explanation of a command, as plain data: a section of
// groups, each a run of paragraphs and tables, some of them foldable. It is
// built from the record the command left (completed, refused by which rule,
// stopped by which failure, and what it decided: which numbers are prime, d,
// each block's power and sign) and the window variables after it; it decides
// none of that again. The square-and-multiply and Euclid tables are the rows
// of the program's one modular arithmetic, exact in 64 bits, and end in the
// block or d the window shows. A window only renders it; the scenario driver
// prints it as plain text.

#include "explain/Section.h"
#include "operations/CommandRecord.h"
#include "state/WindowVariables.h"
#include "texts/Wording.h"

#include <optional>
#include <string>
#include <vector>

namespace rsa::explain {

// The texts of an explanation are Turkish as written; a program that speaks
// another language hands in the function that gives a text in that language,
// and every text passes through it before its numbers are filled in.
// nullptr keeps Turkish.
using Translator = texts::Translator;

// The section for a command that has just run, from the record it left;
// nothing for a command that has nothing to explain (the menu entries).
std::optional<Section> explainCommand(const CommandRecord& record, const WindowVariables& vars,
                                      Translator translator = nullptr);

// One line per title, paragraph and table row, folded groups included; a
// group's title starts with ▸ when folded and ▾ when open, cells are joined
// with " | ".
std::vector<std::string> plainTextLines(const Section& section);

} // namespace rsa::explain
