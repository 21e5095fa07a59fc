#pragma once

// What the commands may do with the window, and nothing more: read and write
// a text box, show a message, ask for a file to write, open a web page, end
// the program. The Qt window implements it; tests use a recording fake.
// Nothing here depends on Qt.

#include <optional>
#include <string>
#include <string_view>

namespace rsa {

// The twelve text boxes, by the names the window gives them.
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

inline constexpr TextBox allTextBoxes[] = {
    TextBox::txtP,      TextBox::txtQ,       TextBox::txtprime,  TextBox::txtcarpan,
    TextBox::txtpublic, TextBox::txtPrivate, TextBox::txt1,      TextBox::txt2,
    TextBox::txt3,      TextBox::txt4,       TextBox::txtdecmsj, TextBox::decrypttxt,
};

const char* textBoxName(TextBox box);
std::optional<TextBox> textBoxByName(std::string_view name);

class WindowOperations {
public:
    virtual ~WindowOperations() = default;

    // Texts are UTF-8.
    virtual std::string readText(TextBox box) = 0;
    virtual void writeText(TextBox box, const std::string& text) = 0;

    // A modal message box with an OK button and no icon, captioned with the
    // title or, without one, with the application's title.
    virtual void showMessage(const std::string& text,
                             const std::optional<std::string>& title = std::nullopt) = 0;

    // The save dialog. The filter is "shown name|pattern". Returns the full
    // name of the file the user confirmed, or nothing on a cancel.
    virtual std::optional<std::string> chooseFileToWrite(const std::string& filter) = 0;

    // Opens the address in the desktop's web browser. Returns nothing on
    // success, else a short description of the failure.
    virtual std::optional<std::string> openWebPage(const std::string& address) = 0;

    // Closes the window and ends the program.
    virtual void endProgram() = 0;
};

// Appends text behind what the box holds: a read followed by a write.
void appendText(WindowOperations& window, TextBox box, const std::string& text);

} // namespace rsa
