#include "window/LaunchOptions.h"

#include "texts/ExerciseTexts.h"
#include "texts/Texts.h"
#include "window/QtText.h"
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
const QString exerciseName = QStringLiteral("alistirma");
const QString levelName = QStringLiteral("seviye");
const QString attackerName = QStringLiteral("saldirgan");
const QString attackName = QStringLiteral("saldiri");
const QString teacherName = QStringLiteral("ogretmen");
const QString exchangeName = QStringLiteral("mesajlasma");
const QString attacksName = QStringLiteral("saldirilar");
const QString realSizeName = QStringLiteral("gercek-boyut");

// The attacks the exercise offers, by the names --saldiri takes.
QString attackNames() {
    QStringList names;
    for (exercise::Kind kind : exercise::attackKinds) {
        names << QString::fromLatin1(exercise::kindName(kind));
    }
    return names.join(QStringLiteral(", "));
}

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
                      filled(texts::languageOption, {availableLanguages().join(", ")}),
                      translated(texts::languageValue), QString::fromLatin1(sourceLanguage)});
    parser.addOption({stepByStepName, translated(texts::stepByStepOption)});
    parser.addOption({exchangeName, translated(texts::exchangeOption)});
    parser.addOption({attacksName, translated(texts::attacksOption)});
    parser.addOption({realSizeName, translated(texts::realSizeOption)});
    parser.addOption({exerciseName, translated(texts::exercise::exerciseOption)});
    parser.addOption({levelName, translated(texts::exercise::levelOption),
                      translated(texts::exercise::levelValue),
                      QString::fromLatin1(exercise::levelName(exercise::Level::Kolay))});
    parser.addOption({attackerName, translated(texts::exercise::attackerOption)});
    parser.addOption({attackName, filled(texts::exercise::attackOption, {attackNames()}),
                      translated(texts::exercise::attackValue)});
    parser.addOption({teacherName, translated(texts::exercise::teacherOption)});
    const QString code = translated(texts::exercise::codeArgument);
    parser.addPositionalArgument(code, translated(texts::exercise::codeArgumentHelp),
                                 QLatin1Char('[') + code + QLatin1Char(']'));
}

// Whether the exercise window is asked for: a task code is taken only then.
bool exerciseAsked(const QCommandLineParser& parser) {
    return parser.isSet(exerciseName) || parser.isSet(levelName) || parser.isSet(attackerName) ||
           parser.isSet(attackName) || parser.isSet(teacherName);
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
        reading.error = filled(texts::unknownLanguage, {asked, availableLanguages().join(", ")});
    } else if (!exercise::levelNamed(fromQt(reading.parser.value(levelName)))) {
        reading.error = filled(texts::exercise::unknownLevel, {reading.parser.value(levelName)});
    } else if (reading.parser.isSet(attackName) &&
               !exercise::attackKindNamed(fromQt(reading.parser.value(attackName)))) {
        reading.error = filled(texts::exercise::unknownAttack,
                               {reading.parser.value(attackName), attackNames()});
    } else if (const QStringList extra = reading.parser.positionalArguments();
               extra.size() > (exerciseAsked(reading.parser) ? 1 : 0)) {
        reading.error = filled(texts::unexpectedArgument, {extra.last()});
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
    options.exercise.open = exerciseAsked(parser);
    options.exercise.code = parser.positionalArguments().value(0);
    options.exercise.level =
        exercise::levelNamed(fromQt(parser.value(levelName))).value_or(exercise::Level::Kolay);
    options.exercise.attacker = parser.isSet(attackerName) || parser.isSet(attackName);
    options.exercise.attack = exercise::attackKindNamed(fromQt(parser.value(attackName)))
                                  .value_or(exercise::Kind::Attacker);
    options.exercise.teacher = parser.isSet(teacherName);
    options.exchange = parser.isSet(exchangeName);
    options.attacks = parser.isSet(attacksName);
    options.realSize = parser.isSet(realSizeName);
    if (!reading.error.isEmpty()) {
        options.exitCode = 2;
    } else if (parser.isSet(helpName) || parser.isSet(versionName)) {
        options.exitCode = 0;
    }
    return options;
}

QString askedLanguage(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    Reading reading;
    read(arguments, reading);
    return reading.parser.value(languageName);
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
