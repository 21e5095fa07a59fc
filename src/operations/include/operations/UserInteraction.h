#pragma once

// What waits for the user: a message box, the save and open dialogs, the web
// browser and the end of the program. A window is handed one of these instead of
// opening them itself, so that the scenario driver and the tests answer them
// with a scripted implementation while the program uses Qt's (in
// src/window). Nothing here depends on Qt.

#include "texts/Wording.h"

#include <optional>
#include <string>
#include <vector>

namespace rsa {

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // A modal message box with an OK button and no icon, captioned with the
    // title or, without one, with the application's title. Texts are UTF-8.
    virtual void showMessage(const std::string& text,
                             const std::optional<std::string>& title = std::nullopt) = 0;

    // A message of the catalogue whose {0}, {1}, ... slots take values (a
    // number, the system's reason); a window that translates translates the
    // text before filling it (texts::word).
    virtual void showFilledMessage(const char* text, const std::vector<std::string>& values) {
        showMessage(texts::fill(text, values));
    }

    // The save dialog, opened in startFolder (the current folder when empty).
    // The filter is "shown name|pattern". Returns the full name of the file
    // the user confirmed, or nothing on a cancel.
    virtual std::optional<std::string> chooseFileToWrite(const std::string& filter,
                                                         const std::string& startFolder) = 0;

    // The open dialog, in the folder the last dialog was in; as for saving,
    // the filter is "shown name|pattern". Returns the full name of the file
    // chosen, or nothing on a cancel.
    virtual std::optional<std::string> chooseFileToRead(const std::string& filter) = 0;

    // The save dialog of an export, which writes one of several types: the
    // chosen filter's extension is added to a name that does not end in it
    // while the dialog is open, so that its question before replacing a file
    // is about the file really written, and the extension names the type.
    // Without a dialog of its own, the plain save dialog.
    virtual std::optional<std::string> chooseFileToExport(const std::string& filter,
                                                          const std::string& startFolder) {
        return chooseFileToWrite(filter, startFolder);
    }

    // Opens the address in the desktop's web browser. Returns nothing on
    // success, else a short description of the failure.
    virtual std::optional<std::string> openWebPage(const std::string& address) = 0;

    // Closes the windows and ends the program.
    virtual void endProgram() = 0;
};

} // namespace rsa
