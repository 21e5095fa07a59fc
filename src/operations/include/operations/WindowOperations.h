#pragma once

// What the commands may do with the window, and nothing more: read and write
// a text box, show a message, ask for a file to write, open a web page, end
// the program. The Qt window implements it; tests use a recording fake.
// Nothing here depends on Qt.

#include <optional>
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

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Texts are UTF-8.
    virtual std::string readText(TextBox box) = 0;
    virtual void writeText(TextBox box, const std::string& text) = 0;

    // Writes text behind what the box holds and brings the end of the box's
    // text into view, so the newest row can be seen.
    virtual void appendText(TextBox box, const std::string& text) {
        writeText(box, readText(box) + text);
    }

    // A modal message box with an OK button and no icon, captioned with the
    // title or, without one, with the application's title.
    virtual void showMessage(const std::string& text,
                             const std::optional<std::string>& title = std::nullopt) = 0;

    // The save dialog, opened in startFolder (the current folder when empty).
    // The filter is "shown name|pattern". Returns the full name of the file
    // the user confirmed, or nothing on a cancel.
    virtual std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                         const std::string& startFolder) = 0;

    // Opens the address in the desktop's web browser. Returns nothing on
    // success, else a short description of the failure.
    virtual std::optional<std::string> openWebPage(const std::string& address) = 0;

    // Closes the window and ends the program.
    virtual void endProgram() = 0;
};

} // namespace rsa
