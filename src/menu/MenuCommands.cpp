#include "menu/MenuCommands.h"

#include "files/FileWriting.h"
#include "menu/CodePage.h"
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

CommandRecord saveCipherText(WindowVariables& vars, WindowOperations& window) {
    const std::optional<std::string> path =
        window.chooseFileToWrite(texts::saveFilter, vars.saveFolder);
    // A cancel is no refusal: the user chose to write nothing.
    if (!path || path->empty()) {
        return CommandRecord::completed();
    }
    const std::string bytes = cipherFileBytes(window.readText(TextBox::txtdecmsj));
    if (const std::optional<std::string> failure = replaceFileContent(*path, bytes)) {
        // The reason is shown; nothing the step window explains follows from it.
        window.showFilledMessage(texts::saveFailed, {*failure});
        return CommandRecord::completed();
    }
    vars.saveFolder = std::filesystem::absolute(*path).parent_path().string();
    return CommandRecord::completed();
}

CommandRecord exitProgram(WindowVariables&, WindowOperations& window) {
    window.endProgram();
    return CommandRecord::completed();
}

CommandRecord openAboutPage(WindowVariables& vars, WindowOperations& window) {
    if (const std::optional<std::string> failure = window.openWebPage(texts::aboutAddress)) {
        window.showMessage(texts::aboutFailed, *failure);
        return CommandRecord::completed();
    }
    vars.Explorer = texts::aboutAddress;
    return CommandRecord::completed();
}

} // namespace rsa
