#include "ControlTable.h"

#include "texts/Texts.h"

namespace rsa {

namespace {

constexpr ControlKind frame = ControlKind::Frame;
constexpr ControlKind label = ControlKind::Label;
constexpr ControlKind box = ControlKind::TextBox;
constexpr ControlKind button = ControlKind::Button;

constexpr BoxStyle none = BoxStyle::None;
constexpr BoxStyle line = BoxStyle::SingleLine;

} // namespace

// Frames first, each followed by its children, in the order the window lays
// them out; the tab indexes deliberately do not follow the screen.
const ControlSpec controlTable[controlCount] = {
    // clang-format off
    {"frm1",       frame,  "Form1",  texts::keyFrameCaption,     texts::keyFrameTooltip,   0,    360,  6255, 7455, 0,  none},
    {"Label1",     label,  "frm1",   texts::pLabel,              "",                       120,  480,  975,  495,  1,  none},
    {"txtP",       box,    "frm1",   "",                         "",                       600,  480,  1575, 375,  2,  line},
    {"Label2",     label,  "frm1",   texts::qLabel,              "",                       2640, 480,  975,  375,  3,  none},
    {"txtQ",       box,    "frm1",   "",                         "",                       3120, 480,  1695, 375,  4,  line},
    {"cmdPrime",   button, "frm1",   texts::primeListButton,     texts::primeListTooltip,  1920, 1080, 2055, 375,  9,  none},
    {"txtprime",   box,    "frm1",   "",                         "",                       480,  1560, 4935, 735,  10, BoxStyle::ScrollingLines},
    {"Command1",   button, "frm1",   texts::randomPairButton,    texts::randomPairTooltip, 1680, 2400, 2415, 615,  14, none},
    {"Command2",   button, "frm1",   texts::factorsButton,       "",                       240,  3480, 1455, 735,  16, none},
    {"txtcarpan",  box,    "frm1",   "",                         "",                       1800, 3480, 4095, 615,  15, BoxStyle::ScrollingLines},
    {"cmdHesapla", button, "frm1",   texts::computeKeyButton,    texts::computeKeyTooltip, 1200, 4440, 2415, 495,  5,  none},
    {"Label4",     label,  "frm1",   texts::privateKeyLabel,     "",                       3120, 5160, 1815, 495,  6,  none},
    {"Label3",     label,  "frm1",   texts::publicKeyLabel,      "",                       360,  5400, 1455, 375,  19, none},
    {"txtpublic",  box,    "frm1",   "",                         "",                       240,  5880, 1815, 495,  20, line},
    {"txtPrivate", box,    "frm1",   "",                         "",                       3240, 5880, 1455, 495,  7,  line},
    {"Frame1",     frame,  "Form1",  texts::messageFrameCaption, "",                       6240, 480,  6015, 7335, 8,  none},
    {"txt1",       box,    "Frame1", "",                         "",                       240,  720,  1095, 375,  21, line},
    {"txt2",       box,    "Frame1", "",                         "",                       1680, 720,  1095, 375,  22, line},
    {"txt3",       box,    "Frame1", "",                         "",                       3000, 720,  1095, 375,  23, line},
    {"txt4",       box,    "Frame1", "",                         "",                       4320, 720,  975,  375,  24, line},
    {"cmdenc",     button, "Frame1", texts::encryptButton,       "",                       480,  2400, 2295, 615,  11, none},
    {"cmddec",     button, "Frame1", texts::decryptButton,       "",                       3000, 2400, 1935, 615,  13, none},
    {"txtdecmsj",  box,    "Frame1", "",                         "",                       360,  3480, 4455, 1335, 12, BoxStyle::WrappingLines},
    {"Label5",     label,  "Frame1", texts::decryptedLabel,      "",                       480,  5160, 1815, 375,  18, none},
    {"decrypttxt", box,    "Frame1", "",                         "",                       360,  5520, 4575, 1335, 17, BoxStyle::TallSingleLine},
    {"CommonDialog1", ControlKind::FileDialog, "Form1", "", "", noValue, noValue, noValue, noValue, noValue, none},
    // clang-format on
};

const MenuSpec menuTree[menuEntryCount] = {
    {"mnufile", "", texts::fileMenu},
    {"mnuItemSave", "mnufile", texts::saveItem},
    {"mnuExitItem", "mnufile", texts::exitItem},
    {"mnuHelp", "", texts::helpMenu},
    {"mnuRsaItem", "mnuHelp", texts::aboutItem},
};

const AccessibleName accessibleNames[textBoxCount] = {
    {"txtP", texts::pBoxName},
    {"txtQ", texts::qBoxName},
    {"txtprime", texts::primeListBoxName},
    {"txtcarpan", texts::factorsBoxName},
    {"txtpublic", texts::publicKeyBoxName},
    {"txtPrivate", texts::privateKeyBoxName},
    {"txt1", texts::cardGroup1Name},
    {"txt2", texts::cardGroup2Name},
    {"txt3", texts::cardGroup3Name},
    {"txt4", texts::cardGroup4Name},
    {"txtdecmsj", texts::cipherTextBoxName},
    {"decrypttxt", texts::decryptedBoxName},
};

const ControlSpec* findControl(std::string_view name) {
    for (const ControlSpec& control : controlTable) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace rsa
