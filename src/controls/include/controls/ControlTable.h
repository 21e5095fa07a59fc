#pragma once

// The window's controls and menu as data, one row per control: object name,
// kind, container, caption, tooltip, position and size in twips, tab index,
// and what belongs to the kind (a text box's place among the twelve boxes, its
// style and the name a screen reader announces; the command a button or menu
// entry runs). The Qt window is built from these rows and nothing else, and
// the scenario driver finds controls by their names here.

#include "operations/CommandRecord.h"
#include "operations/WindowOperations.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace rsa {

enum class ControlKind { Frame, Label, TextBox, Button, FileDialog };

// How a text box shows its text.
enum class BoxStyle {
    None,           // not a text box
    SingleLine,     // one line at the usual height
    ScrollingLines, // several lines, both scroll bars, lines never wrap
    WrappingLines,  // several lines, no scroll bars, wraps at blanks
    TallSingleLine, // one line in a box as tall as several
};

inline constexpr int twipsPerPixel = 15;

// The client area below the menu bar, in twips.
inline constexpr int clientWidth = 12150;
inline constexpr int clientHeight = 8820;

// The geometry and tab index of the file dialog component, which has neither.
inline constexpr int noValue = -1;

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view container; // "Form1" for the window itself
    const char* caption;        // "" when the control has none
    const char* tooltip;        // "" when the control has none
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    const Command* command = nullptr;          // buttons only: what a click runs
    std::optional<TextBox> box = std::nullopt; // text boxes only
    BoxStyle style = BoxStyle::None;           // text boxes only
    const char* accessibleName = "";           // text boxes only: they have no caption to announce
};

struct MenuSpec {
    std::string_view name;
    std::string_view parent; // empty for a menu of the menu bar
    const char* caption;     // "&" marks the access key
    const Command* command;  // nullptr for a menu, which only opens
};

// The rows of a table, for a range-for.
template <typename Row> struct Rows {
    const Row* first;
    const Row* last;
    const Row* begin() const { return first; }
    const Row* end() const { return last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};

// Frames first, each followed by its children, in the order the window lays
// them out; the tab indexes deliberately do not follow the screen.
extern const Rows<ControlSpec> controlTable;
extern const Rows<MenuSpec> menuTree;

// The row of the control named name, or nullptr.
const ControlSpec* findControl(std::string_view name);

// The row of a text box.
const ControlSpec& controlOf(TextBox box);

// The text box named name, if there is one.
std::optional<TextBox> textBoxByName(std::string_view name);

} // namespace rsa
