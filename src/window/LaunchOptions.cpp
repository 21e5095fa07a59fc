#include "window/LaunchOptions.h"

#include "texts/Texts.h"
#include "window/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>

namespace rsa {

namespace {

const QString helpName = QStringLiteral("help");
const QString languageName = QStringLiteral("lang");
const QString stepByStepName = QStringLiteral("adim-adim");
const QString realSizeName = QStringLiteral("gercek-boyut");

// The options, described in the language in use when this is called.
void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(translated(texts::programDescription));
    // Qt's own help option would add --help-all, whose Qt options a usage made
    // with helpText() leaves out; its description is Qt's, in Qt's catalogue.
    parser.addOption({{QStringLiteral("h"), helpName},
                      QCoreApplication::translate("QCommandLineParser",
                                                  "Displays help on commandline options.")});
    parser.addVersionOption();
    parser.addOption({languageName,
                      translated(texts::languageOption).arg(availableLanguages().join(", ")),
                      translated(texts::languageValue), QString::fromLatin1(sourceLanguage)});
    parser.addOption({stepByStepName, translated(texts::stepByStepOption)});
    parser.addOption({realSizeName, translated(texts::realSizeOption)});
}

} // namespace

LaunchOptions readLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    QCommandLineParser parser;
    describeOptions(parser);
    // A first reading finds the language; the usage and the errors are made
    // by a second one, in that language.
    parser.parse(arguments);
    const QString asked = parser.value(languageName);
    const bool known = availableLanguages().contains(asked);
    options.language = known ? asked : QString::fromLatin1(sourceLanguage);
    useLanguage(options.language);

    QCommandLineParser shown;
    describeOptions(shown);
    QString error;
    if (!shown.parse(arguments)) {
        error = shown.errorText();
    } else if (!known) {
        error = translated(texts::unknownLanguage).arg(asked, availableLanguages().join(", "));
    } else if (!shown.positionalArguments().isEmpty()) {
        error = translated(texts::unexpectedArgument).arg(shown.positionalArguments().first());
    }
    if (!error.isEmpty()) {
        options.exitCode = 2;
        options.output =
            QStringLiteral("rsa-demo: ") + error + QStringLiteral("\n\n") + shown.helpText();
    } else if (shown.isSet(helpName)) {
        options.exitCode = 0;
        options.output = shown.helpText();
    } else if (shown.isSet(QStringLiteral("version"))) {
        options.exitCode = 0;
        options.output = QStringLiteral("rsa-demo " RSA_VERSION "\n");
    }
    options.stepByStep = shown.isSet(stepByStepName);
    options.realSize = shown.isSet(realSizeName);
    return options;
}

int printEnding(const LaunchOptions& options) {
    (options.exitCode == 0 ? std::cout : std::cerr) << options.output.toStdString() << std::flush;
    return options.exitCode.value_or(0);
}

} // namespace rsa
