#pragma once

// A section of the step window as plain data: groups of paragraphs and
// tables, some of them foldable. Header-only on purpose: the real-size module
// builds sections of its own and hands them to the program through a
// SectionSink without linking the explain library, whose code the program
// already holds.

#include <functional>
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
    // For a refused command, the paragraph that says why: a handout prints it
    // alone under the title. Empty for anything else.
    std::string refusal{};
};

// Where a window beside the main one sends its sections: the step window's
// addSection when it is open, nothing otherwise.
using SectionSink = std::function<void(Section)>;

} // namespace rsa::explain
