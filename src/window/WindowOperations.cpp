#include "WindowOperations.h"

namespace rsa {

const char* textBoxName(TextBox box) {
    switch (box) {
    case TextBox::txtP:
        return "txtP";
    case TextBox::txtQ:
        return "txtQ";
    case TextBox::txtprime:
        return "txtprime";
    case TextBox::txtcarpan:
        return "txtcarpan";
    case TextBox::txtpublic:
        return "txtpublic";
    case TextBox::txtPrivate:
        return "txtPrivate";
    case TextBox::txt1:
        return "txt1";
    case TextBox::txt2:
        return "txt2";
    case TextBox::txt3:
        return "txt3";
    case TextBox::txt4:
        return "txt4";
    case TextBox::txtdecmsj:
        return "txtdecmsj";
    case TextBox::decrypttxt:
        return "decrypttxt";
    }
    return "";
}

std::optional<TextBox> textBoxByName(std::string_view name) {
    for (TextBox box : allTextBoxes) {
        if (name == textBoxName(box)) {
            return box;
        }
    }
    return std::nullopt;
}

void appendText(WindowOperations& window, TextBox box, const std::string& text) {
    window.writeText(box, window.readText(box) + text);
}

} // namespace rsa
