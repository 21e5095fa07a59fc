#include "window/Translations.h"

#include "texts/Texts.h"
#include "texts/Wording.h"
#include "window/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <vector>

namespace rsa {

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString cataloguePrefix = QStringLiteral("rsa-demo_");
// Tells the translators installed here from any others of the application.
const QString installedMark = QStringLiteral("rsa-language");

void install(const QString& catalogue, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(installedMark);
    if (!translator->load(catalogue, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
    }
}

} // namespace

QStringList availableLanguages() {
    // The catalogues are built in, so the list is the same for the whole run.
    // Listing the folder without a name filter spares compiling one into a
    // regular expression at every start.
    static const QStringList languages = [] {
        QStringList found{QString::fromLatin1(sourceLanguage)};
        for (const QString& file : QDir(catalogueFolder).entryList(QDir::Files)) {
            if (file.startsWith(cataloguePrefix) && file.endsWith(QLatin1String(".qm"))) {
                found << file.mid(cataloguePrefix.size()).chopped(3);
            }
        }
        return found;
    }();
    return languages;
}

void useLanguage(const QString& language) {
    for (QTranslator* earlier : QCoreApplication::instance()->findChildren<QTranslator*>(
             installedMark, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    // Qt's catalogue may be missing; its texts are English then.
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != QLatin1String(sourceLanguage)) {
        install(cataloguePrefix + language, catalogueFolder);
    }
}

QString translatedInto(const QString& language, const char* text) {
    QTranslator catalogue;
    if (language != QLatin1String(sourceLanguage) &&
        catalogue.load(cataloguePrefix + language, catalogueFolder)) {
        const QString shown = catalogue.translate(texts::context, text);
        if (!shown.isEmpty()) {
            return shown;
        }
    }
    return QString::fromUtf8(text);
}

QString translated(const char* text) {
    return QCoreApplication::translate(texts::context, text);
}

std::string inLanguageInUse(const char* text) {
    return fromQt(translated(text));
}

std::string translatedMessage(const std::string& text) {
    return inLanguageInUse(text.c_str());
}

QString filled(const char* text, const QStringList& values) {
    std::vector<std::string> arguments;
    for (const QString& value : values) {
        arguments.push_back(fromQt(value));
    }
    return toQt(texts::word(text, arguments, &inLanguageInUse));
}

} // namespace rsa
