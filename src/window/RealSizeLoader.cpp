#include "window/RealSizeLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace rsa {

namespace {

const QString moduleName = QStringLiteral("rsa-demo-realsize");
// The function src/realsizewindow/RealSizeModule.cpp exports.
constexpr const char* entryPoint = "rsaOpenRealSizeWindow";
// Must match rsa::OpenRealSizeWindow of src/realsizewindow/RealSizeModule.h.
using OpenWindow = QWidget* (*)(const explain::SectionSink* sink);

} // namespace

std::variant<QWidget*, QString> loadRealSizeWindow(const explain::SectionSink& sink) {
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
            return open(&sink);
        }
        reason = module.errorString();
    }
    return reason;
}

} // namespace rsa
