#pragma once

// The step-by-step explanation of a command, as plain data: a section of
// groups, each a run of paragraphs and tables, some of them foldable. It is
// built from the record the command left (completed, refused by which rule,
// stopped by which failure) and the window variables after it, with the same
// routines the command used, so every number it shows is one the main window
// used; the square-and-multiply and Euclid tables are exact in 64 bits and end
// in the block or d the window shows. Which rule refused a command is the
// command's word alone. A window only renders it; the scenario driver prints
// it as plain text.

#include "operations/CommandRecord.h"
#include "state/WindowVariables.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rsa::explain {

struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// A paragraph or a table.
using Element = std::variant<std::string, Table>;

enum class Fold {
    Fixed,  // always shown, no title line to click
    Open,   // shown, folds on a click on its title
    Folded, // only its title shows until it is clicked
};

struct Group {
    std::string title; // empty for a fixed group
    Fold fold = Fold::Fixed;
    std::vector<Element> elements;
};

struct Section {
    std::string title;
    std::vector<Group> groups;
};

// The texts of an explanation are Turkish as written; a program that speaks
// another language hands in the function that gives a text in that language,
// and every text passes through it before its numbers are filled in.
// nullptr keeps Turkish.
using Translator = std::string (*)(const char* text);

// The section for a command that has just run, from the record it left;
// nothing for a command that has nothing to explain (the menu entries).
std::optional<Section> explainCommand(const CommandRecord& record, const WindowVariables& vars,
                                      Translator translator = nullptr);

// One line per title, paragraph and table row, folded groups included; a
// group's title starts with ▸ when folded and ▾ when open, cells are joined
// with " | ".
std::vector<std::string> plainTextLines(const Section& section);

} // namespace rsa::explain
