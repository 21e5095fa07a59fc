#pragma once

// The window's controls and menu as data, one row per control: object name,
// kind, container, caption, tooltip, position and size in twips, tab index,
// and what belongs to the kind (a text box's place among the twelve boxes, its
// style and the name a screen reader announces; the command a button or menu
// entry runs). The Qt window is built from these rows and nothing else, and
// the scenario driver finds controls by their names here.

#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "menu/MenuCommands.h"
#include "operations/CommandRunner.h"
#include "operations/WindowOperations.h"
#include "texts/Texts.h"

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
    Command command = nullptr;                 // buttons only: what a click runs
    std::optional<TextBox> box = std::nullopt; // text boxes only
    BoxStyle style = BoxStyle::None;           // text boxes only
    const char* accessibleName = "";           // text boxes only: they have no caption to announce
};

namespace table {
inline constexpr ControlKind frame = ControlKind::Frame;
inline constexpr ControlKind label = ControlKind::Label;
inline constexpr ControlKind box = ControlKind::TextBox;
inline constexpr ControlKind button = ControlKind::Button;
inline constexpr BoxStyle line = BoxStyle::SingleLine;
inline constexpr BoxStyle lines = BoxStyle::ScrollingLines;
inline constexpr BoxStyle wrapping = BoxStyle::WrappingLines;
inline constexpr BoxStyle tall = BoxStyle::TallSingleLine;
using T = TextBox;
} // namespace table

// Frames first, each followed by its children, in the order the window lays
// them out; the tab indexes deliberately do not follow the screen.
inline constexpr ControlSpec controlTable[] = {
    // clang-format off
    // name, kind, container, caption, tooltip, left, top, width, height, tab index; then the command of a
    // button, or the place, style and accessible name of a text box
    {"frm1",       table::frame,  "Form1",  texts::keyFrameCaption,     texts::keyFrameTooltip,   0,    360,  6255, 7455, 0},
    {"Label1",     table::label,  "frm1",   texts::pLabel,              "",                       120,  480,  975,  495,  1},
    {"txtP",       table::box,    "frm1",   "",                         "",                       600,  480,  1575, 375,  2, nullptr, table::T::txtP, table::line, texts::pBoxName},
    {"Label2",     table::label,  "frm1",   texts::qLabel,              "",                       2640, 480,  975,  375,  3},
    {"txtQ",       table::box,    "frm1",   "",                         "",                       3120, 480,  1695, 375,  4, nullptr, table::T::txtQ, table::line, texts::qBoxName},
    {"cmdPrime",   table::button, "frm1",   texts::primeListButton,     texts::primeListTooltip,  1920, 1080, 2055, 375,  9, &listPrimes},
    {"txtprime",   table::box,    "frm1",   "",                         "",                       480,  1560, 4935, 735,  10, nullptr, table::T::txtprime, table::lines, texts::primeListBoxName},
    {"Command1",   table::button, "frm1",   texts::randomPairButton,    texts::randomPairTooltip, 1680, 2400, 2415, 615,  14, &drawPrimePair},
    {"Command2",   table::button, "frm1",   texts::factorsButton,       "",                       240,  3480, 1455, 735,  16, &listPhiDivisors},
    {"txtcarpan",  table::box,    "frm1",   "",                         "",                       1800, 3480, 4095, 615,  15, nullptr, table::T::txtcarpan, table::lines, texts::factorsBoxName},
    {"cmdHesapla", table::button, "frm1",   texts::computeKeyButton,    texts::computeKeyTooltip, 1200, 4440, 2415, 495,  5, &computeKey},
    {"Label4",     table::label,  "frm1",   texts::privateKeyLabel,     "",                       3120, 5160, 1815, 495,  6},
    {"Label3",     table::label,  "frm1",   texts::publicKeyLabel,      "",                       360,  5400, 1455, 375,  19},
    {"txtpublic",  table::box,    "frm1",   "",                         "",                       240,  5880, 1815, 495,  20, nullptr, table::T::txtpublic, table::line, texts::publicKeyBoxName},
    {"txtPrivate", table::box,    "frm1",   "",                         "",                       3240, 5880, 1455, 495,  7, nullptr, table::T::txtPrivate, table::line, texts::privateKeyBoxName},
    {"Frame1",     table::frame,  "Form1",  texts::messageFrameCaption, "",                       6240, 480,  6015, 7335, 8},
    {"txt1",       table::box,    "Frame1", "",                         "",                       240,  720,  1095, 375,  21, nullptr, table::T::txt1, table::line, texts::cardGroup1Name},
    {"txt2",       table::box,    "Frame1", "",                         "",                       1680, 720,  1095, 375,  22, nullptr, table::T::txt2, table::line, texts::cardGroup2Name},
    {"txt3",       table::box,    "Frame1", "",                         "",                       3000, 720,  1095, 375,  23, nullptr, table::T::txt3, table::line, texts::cardGroup3Name},
    {"txt4",       table::box,    "Frame1", "",                         "",                       4320, 720,  975,  375,  24, nullptr, table::T::txt4, table::line, texts::cardGroup4Name},
    {"cmdenc",     table::button, "Frame1", texts::encryptButton,       "",                       480,  2400, 2295, 615,  11, &encryptCard},
    {"cmddec",     table::button, "Frame1", texts::decryptButton,       "",                       3000, 2400, 1935, 615,  13, &decryptCard},
    {"txtdecmsj",  table::box,    "Frame1", "",                         "",                       360,  3480, 4455, 1335, 12, nullptr, table::T::txtdecmsj, table::wrapping, texts::cipherTextBoxName},
    {"Label5",     table::label,  "Frame1", texts::decryptedLabel,      "",                       480,  5160, 1815, 375,  18},
    {"decrypttxt", table::box,    "Frame1", "",                         "",                       360,  5520, 4575, 1335, 17, nullptr, table::T::decrypttxt, table::tall, texts::decryptedBoxName},
    {"CommonDialog1", ControlKind::FileDialog, "Form1", "", "",  noValue, noValue, noValue, noValue, noValue},
    // clang-format on
};

struct MenuSpec {
    std::string_view name;
    std::string_view parent; // empty for a menu of the menu bar
    const char* caption;     // "&" marks the access key
    Command command;         // nullptr for a menu, which only opens
};

inline constexpr MenuSpec menuTree[] = {
    {"mnufile", "", texts::fileMenu, nullptr},
    {"mnuItemSave", "mnufile", texts::saveItem, &saveCipherText},
    {"mnuExitItem", "mnufile", texts::exitItem, &exitProgram},
    {"mnuHelp", "", texts::helpMenu, nullptr},
    {"mnuRsaItem", "mnuHelp", texts::aboutItem, &openAboutPage},
};

// The row of the control named name, or nullptr.
const ControlSpec* findControl(std::string_view name);

// The row of a text box.
const ControlSpec& controlOf(TextBox box);

// The text box named name, if there is one.
std::optional<TextBox> textBoxByName(std::string_view name);

} // namespace rsa
