#include "menu/MenuCommands.h"

#include "CodePage.h"
#include "texts/Texts.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

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

// Writes into a temporary file beside the target and moves it over the target
// only when everything was written, so a failure leaves an existing file as it
// was. Returns the reason of a failure.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes) {
    const QString name = QString::fromUtf8(path.c_str());
    // Replacing a file renames over it, which a read-only file would not stop;
    // the user marked it so as not to be overwritten.
    const QFileInfo existing(name);
    if (existing.exists() && existing.isFile() &&
        !(existing.permissions() & QFileDevice::WriteOwner)) {
        return std::string(std::strerror(EACCES));
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

} // namespace

void saveCipherText(WindowVariables& vars, WindowOperations& window) {
    const std::optional<std::string> path =
        window.chooseFileToWrite(texts::saveFilter, vars.saveFolder);
    if (!path || path->empty()) {
        return;
    }
    const std::string bytes = toWindows1254(withCrLf(window.readText(TextBox::txtdecmsj))) + "\r\n";
    if (const std::optional<std::string> failure = replaceFile(*path, bytes)) {
        window.showMessage(texts::saveFailedPrefix + *failure);
        return;
    }
    vars.saveFolder = QFileInfo(QString::fromUtf8(path->c_str())).absolutePath().toStdString();
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
