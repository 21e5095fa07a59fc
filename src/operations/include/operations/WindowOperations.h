#pragma once

// What the commands may do with the window, and nothing more: read and write
// a text box, and what waits for the user (UserInteraction). The Qt window
// implements it; tests use a recording fake. Nothing here depends on Qt.

#include "operations/UserInteraction.h"

#include <string>

namespace rsa {

// The twelve text boxes. Their object names, kinds and places are rows of the
// control table, which also maps names to these values.
enum class TextBox {
    txtP,
    txtQ,
    txtprime,
    txtcarpan,
    txtpublic,
    txtPrivate,
    txt1,
    txt2,
    txt3,
    txt4,
    txtdecmsj,
    decrypttxt,
};

inline constexpr int textBoxCount = static_cast<int>(TextBox::decrypttxt) + 1;

class WindowOperations : public UserInteraction {
public:
    // Texts are UTF-8.
    virtual std::string readText(TextBox box) = 0;
    virtual void writeText(TextBox box, const std::string& text) = 0;

    // Writes text behind what the box holds and brings the end of the box's
    // text into view, so the newest row can be seen.
    virtual void appendText(TextBox box, const std::string& text) {
        writeText(box, readText(box) + text);
    }
};

} // namespace rsa
