#include "menu/MenuCommands.h"

#include "CodePage.h"
#include "files/FileWriting.h"
#include "texts/Texts.h"

#include <filesystem>

namespace rsa {

namespace {

// The box holds its line breaks as LF; a saved text file has CR LF throughout.
std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

} // namespace

std::string cipherFileBytes(const std::string& boxText) {
    return toWindows1254(withCrLf(boxText)) + "\r\n";
}

void saveCipherText(WindowVariables& vars, WindowOperations& window) {
    const std::optional<std::string> path =
        window.chooseFileToWrite(texts::saveFilter, vars.saveFolder);
    if (!path || path->empty()) {
        return;
    }
    const std::string bytes = cipherFileBytes(window.readText(TextBox::txtdecmsj));
    if (const std::optional<std::string> failure = replaceFileContent(*path, bytes)) {
        window.showMessage(texts::saveFailedPrefix + *failure);
        return;
    }
    vars.saveFolder = std::filesystem::absolute(*path).parent_path().string();
}

void exitProgram(WindowVariables&, WindowOperations& window) {
    window.endProgram();
}

void openAboutPage(WindowVariables& vars, WindowOperations& window) {
    if (const std::optional<std::string> failure = window.openWebPage(texts::aboutAddress)) {
        window.showMessage(texts::aboutFailed, *failure);
        return;
    }
    vars.Explorer = texts::aboutAddress;
}

} // namespace rsa
