#include "window/LaunchOptions.h"

#include "texts/Texts.h"
#include "window/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>

namespace rsa {

namespace {

const QString helpName = QStringLiteral("help");
const QString versionName = QStringLiteral("version");
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

// The arguments parsed, and what is wrong with them (empty when nothing is),
// in the language in use.
struct Reading {
    QCommandLineParser parser;
    QString error;
};

void read(const QStringList& arguments, Reading& reading) {
    describeOptions(reading.parser);
    if (!reading.parser.parse(arguments)) {
        reading.error = reading.parser.errorText();
        return;
    }
    const QString asked = reading.parser.value(languageName);
    if (!availableLanguages().contains(asked)) {
        reading.error =
            translated(texts::unknownLanguage).arg(asked, availableLanguages().join(", "));
    } else if (!reading.parser.positionalArguments().isEmpty()) {
        reading.error =
            translated(texts::unexpectedArgument).arg(reading.parser.positionalArguments().first());
    }
}

} // namespace

LaunchOptions readLaunchOptions(const QStringList& arguments) {
    Reading reading;
    read(arguments, reading);
    const QCommandLineParser& parser = reading.parser;
    LaunchOptions options;
    const QString asked = parser.value(languageName);
    options.language =
        availableLanguages().contains(asked) ? asked : QString::fromLatin1(sourceLanguage);
    options.stepByStep = parser.isSet(stepByStepName);
    options.realSize = parser.isSet(realSizeName);
    if (!reading.error.isEmpty()) {
        options.exitCode = 2;
    } else if (parser.isSet(helpName) || parser.isSet(versionName)) {
        options.exitCode = 0;
    }
    return options;
}

QString endingText(const QStringList& arguments) {
    Reading reading;
    read(arguments, reading);
    if (!reading.error.isEmpty()) {
        return QStringLiteral("rsa-demo: ") + reading.error + QStringLiteral("\n\n") +
               reading.parser.helpText();
    }
    if (reading.parser.isSet(helpName)) {
        return reading.parser.helpText();
    }
    return QStringLiteral("rsa-demo " RSA_VERSION "\n");
}

int printEnding(const LaunchOptions& options, const QStringList& arguments) {
    (options.exitCode == 0 ? std::cout : std::cerr)
        << endingText(arguments).toStdString() << std::flush;
    return options.exitCode.value_or(0);
}

} // namespace rsa
