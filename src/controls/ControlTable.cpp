#include "controls/ControlTable.h"

#include "cipher/CipherCommands.h"
#include "keys/KeyCommands.h"
#include "menu/MenuCommands.h"
#include "texts/Texts.h"

#include <iterator>

namespace rsa {

namespace {

// Position and size in twips.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Each text box's object name, in the order of the TextBox values.
constexpr std::string_view boxNames[] = {
    "txtP", "txtQ", "txtprime", "txtcarpan", "txtpublic", "txtPrivate",
    "txt1", "txt2", "txt3",     "txt4",      "txtdecmsj", "decrypttxt",
};
static_assert(std::size(boxNames) == textBoxCount);

constexpr ControlSpec frame(std::string_view name, std::string_view container, const char* caption,
                            const char* tooltip, Place at, int tab) {
    return {name,   ControlKind::Frame, container, caption, tooltip, at.left,
            at.top, at.width,           at.height, tab};
}

constexpr ControlSpec label(std::string_view name, std::string_view container, const char* caption,
                            Place at, int tab) {
    return {name,   ControlKind::Label, container, caption, "", at.left,
            at.top, at.width,           at.height, tab};
}

constexpr ControlSpec button(std::string_view name, std::string_view container, const char* caption,
                             const char* tooltip, Place at, int tab, const Command& command) {
    return {name,     ControlKind::Button, container, caption, tooltip, at.left, at.top,
            at.width, at.height,           tab,       &command};
}

constexpr ControlSpec textBox(TextBox box, std::string_view container, BoxStyle style,
                              const char* accessibleName, Place at, int tab) {
    return {boxNames[static_cast<std::size_t>(box)],
            ControlKind::TextBox,
            container,
            "",
            "",
            at.left,
            at.top,
            at.width,
            at.height,
            tab,
            nullptr,
            box,
            style,
            accessibleName};
}

constexpr ControlSpec fileDialog(std::string_view name) {
    return {name,   ControlKind::FileDialog, "Form1", "", "", noValue, noValue, noValue, noValue,
            noValue};
}

constexpr BoxStyle line = BoxStyle::SingleLine;
constexpr BoxStyle lines = BoxStyle::ScrollingLines;
constexpr BoxStyle wrapping = BoxStyle::WrappingLines;
constexpr BoxStyle tall = BoxStyle::TallSingleLine;
using T = TextBox;

// clang-format off
constexpr ControlSpec controlRows[] = {
    frame("frm1", "Form1", texts::keyFrameCaption, texts::keyFrameTooltip, {0, 360, 6255, 7455}, 0),
    label("Label1", "frm1", texts::pLabel, {120, 480, 975, 495}, 1),
    textBox(T::txtP, "frm1", line, texts::pBoxName, {600, 480, 1575, 375}, 2),
    label("Label2", "frm1", texts::qLabel, {2640, 480, 975, 375}, 3),
    textBox(T::txtQ, "frm1", line, texts::qBoxName, {3120, 480, 1695, 375}, 4),
    button("cmdPrime", "frm1", texts::primeListButton, texts::primeListTooltip, {1920, 1080, 2055, 375}, 9, commands::listPrimes),
    textBox(T::txtprime, "frm1", lines, texts::primeListBoxName, {480, 1560, 4935, 735}, 10),
    button("Command1", "frm1", texts::randomPairButton, texts::randomPairTooltip, {1680, 2400, 2415, 615}, 14, commands::drawPrimePair),
    button("Command2", "frm1", texts::factorsButton, "", {240, 3480, 1455, 735}, 16, commands::listPhiDivisors),
    textBox(T::txtcarpan, "frm1", lines, texts::factorsBoxName, {1800, 3480, 4095, 615}, 15),
    button("cmdHesapla", "frm1", texts::computeKeyButton, texts::computeKeyTooltip, {1200, 4440, 2415, 495}, 5, commands::computeKey),
    label("Label4", "frm1", texts::privateKeyLabel, {3120, 5160, 1815, 495}, 6),
    label("Label3", "frm1", texts::publicKeyLabel, {360, 5400, 1455, 375}, 19),
    textBox(T::txtpublic, "frm1", line, texts::publicKeyBoxName, {240, 5880, 1815, 495}, 20),
    textBox(T::txtPrivate, "frm1", line, texts::privateKeyBoxName, {3240, 5880, 1455, 495}, 7),
    frame("Frame1", "Form1", texts::messageFrameCaption, "", {6240, 480, 6015, 7335}, 8),
    textBox(T::txt1, "Frame1", line, texts::cardGroup1Name, {240, 720, 1095, 375}, 21),
    textBox(T::txt2, "Frame1", line, texts::cardGroup2Name, {1680, 720, 1095, 375}, 22),
    textBox(T::txt3, "Frame1", line, texts::cardGroup3Name, {3000, 720, 1095, 375}, 23),
    textBox(T::txt4, "Frame1", line, texts::cardGroup4Name, {4320, 720, 975, 375}, 24),
    button("cmdenc", "Frame1", texts::encryptButton, "", {480, 2400, 2295, 615}, 11, commands::encryptCard),
    button("cmddec", "Frame1", texts::decryptButton, "", {3000, 2400, 1935, 615}, 13, commands::decryptCard),
    textBox(T::txtdecmsj, "Frame1", wrapping, texts::cipherTextBoxName, {360, 3480, 4455, 1335}, 12),
    label("Label5", "Frame1", texts::decryptedLabel, {480, 5160, 1815, 375}, 18),
    textBox(T::decrypttxt, "Frame1", tall, texts::decryptedBoxName, {360, 5520, 4575, 1335}, 17),
    fileDialog("CommonDialog1"),
};
// clang-format on

constexpr MenuSpec menuRows[] = {
    {"mnufile", "", texts::fileMenu, nullptr},
    {"mnuItemSave", "mnufile", texts::saveItem, &commands::saveCipherText},
    {"mnuExitItem", "mnufile", texts::exitItem, &commands::exitProgram},
    {"mnuHelp", "", texts::helpMenu, nullptr},
    {"mnuRsaItem", "mnuHelp", texts::aboutItem, &commands::openAboutPage},
};

// Every text box has exactly one row, so each enum value finds its control.
constexpr bool everyBoxHasOneRow() {
    for (int box = 0; box < textBoxCount; ++box) {
        int rows = 0;
        for (const ControlSpec& control : controlRows) {
            rows += control.box && static_cast<int>(*control.box) == box;
        }
        if (rows != 1) {
            return false;
        }
    }
    return true;
}
static_assert(everyBoxHasOneRow());

} // namespace

const Rows<ControlSpec> controlTable{std::begin(controlRows), std::end(controlRows)};
const Rows<MenuSpec> menuTree{std::begin(menuRows), std::end(menuRows)};

const ControlSpec* findControl(std::string_view name) {
    for (const ControlSpec& control : controlRows) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

const ControlSpec& controlOf(TextBox box) {
    for (const ControlSpec& control : controlRows) {
        if (control.box == box) {
            return control;
        }
    }
    // everyBoxHasOneRow() rules this out at compile time.
    return controlRows[0];
}

std::optional<TextBox> textBoxByName(std::string_view name) {
    const ControlSpec* control = findControl(name);
    return control != nullptr ? control->box : std::nullopt;
}

} // namespace rsa
