#include "window/RealSizeLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace rsa {

namespace {

const QString moduleName = QStringLiteral("rsa-demo-realsize");
// The function src/realsizewindow/RealSizeModule.cpp exports.
constexpr const char* entryPoint = "rsaOpenRealSizeWindow";
using OpenWindow = void (*)();

} // namespace

std::optional<QString> openRealSizeWindow() {
    QString reason;
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {program.path(), program.filePath(QStringLiteral(RSA_MODULE_DIR))}) {
        // Stays loaded for the rest of the run: the window's code lives in it.
        QLibrary module(QDir(folder).filePath(moduleName));
        if (!module.load()) {
            reason = module.errorString();
            continue;
        }
        if (const auto open = reinterpret_cast<OpenWindow>(module.resolve(entryPoint))) {
            open();
            return std::nullopt;
        }
        reason = module.errorString();
    }
    return reason;
}

} // namespace rsa
