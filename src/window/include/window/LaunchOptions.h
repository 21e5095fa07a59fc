#pragma once

// The program's command line, read in one place for the program itself, the
// scenario driver's "launch" step and the screenshot tool. --lang chooses the
// interface's language; --help and --version answer and end the program; an
// option it does not know, or a value it cannot use, ends it with the usage.
// Reading changes nothing: the caller installs the language chosen
// (useLanguage) and then, when the program ends at once, prints the ending in
// it. A new option is a field here and a line in each of describeOptions()
// and readLaunchOptions().

#include "exercise/TaskCode.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rsa {

struct LaunchOptions {
    // A language the program has: Turkish when none was asked for, or one it
    // does not know (the usage then says so, in Turkish).
    QString language;
    bool stepByStep = false; // --adim-adim: the step window beside the main one
    // --alistirma [KOD], --seviye, --saldirgan, --saldiri, --ogretmen: the
    // exercise window beside the main one; any of them opens it.
    struct Exercise {
        bool open = false;
        QString code; // as typed; empty for a new task
        exercise::Level level = exercise::Level::Kolay;
        bool attacker = false;
        // The attacker's task: factoring n, or an attack's (--saldiri NAME).
        exercise::Kind attack = exercise::Kind::Attacker;
        bool teacher = false;
    } exercise;
    bool exchange = false; // --mesajlasma: the exchange window beside the main one
    bool attacks = false;  // --saldirilar: the attacks window beside the main one
    bool realSize = false; // --gercek-boyut: the real-size window, from its module
    // Set when the program ends at once instead of opening its window: 0
    // after --help or --version, 2 after a wrong option.
    std::optional<int> exitCode;
};

// Reads arguments, the program's name first. Needs a QCoreApplication.
LaunchOptions readLaunchOptions(const QStringList& arguments);

// The language --lang asks for, read as readLaunchOptions() reads it, before
// Qt has started: Qt looks for the display while it starts, and the sentence
// that there is none must speak the language asked for. Needs no
// application; Qt's own options, still in argv, are only unknown options
// here. A language the program lacks is reported later, with the usage.
QString askedLanguage(int argc, char* argv[]);

// What a program that ends at once prints, in the language in use: the usage,
// the version, or what was wrong followed by the usage.
QString endingText(const QStringList& arguments);

// Prints the ending of arguments, on standard output after --help or
// --version and on standard error otherwise; returns the exit status.
int printEnding(const LaunchOptions& options, const QStringList& arguments);

} // namespace rsa
