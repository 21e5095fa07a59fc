#pragma once

// The window's controls and menu as data: names, kinds, containers, captions,
// tooltips, positions and sizes in twips, and tab indexes. The Qt window is
// built from these tables and nothing else; the scenario driver uses the
// control order for its dump but reads every value back from the widgets.

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

// Marks the geometry and tab index of the file dialog component, which has neither.
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
    BoxStyle style;
};

// The 26 controls placed on the window; with the five menu entries they are
// the window's 31 controls.
inline constexpr int controlCount = 26;
extern const ControlSpec controlTable[controlCount];

struct MenuSpec {
    std::string_view name;
    std::string_view parent; // empty for a menu of the menu bar
    const char* caption;     // "&" marks the access key
};

inline constexpr int menuEntryCount = 5;
extern const MenuSpec menuTree[menuEntryCount];

// Text boxes have no caption of their own; these are the names a screen
// reader announces for them.
struct AccessibleName {
    std::string_view control;
    const char* name;
};

inline constexpr int textBoxCount = 12;
extern const AccessibleName accessibleNames[textBoxCount];

// The entry of the control named name, or nullptr.
const ControlSpec* findControl(std::string_view name);

} // namespace rsa
