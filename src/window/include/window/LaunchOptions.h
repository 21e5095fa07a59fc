#pragma once

// The program's command line, read in one place for the program itself and
// for the scenario driver's "launch" step. --lang chooses the interface's
// language; --help and --version answer and end the program; an option it
// does not know, or a value it cannot use, ends it with the usage. A new
// option is a field here and a line in each of describeOptions() and
// readLaunchOptions().

#include <QString>
#include <QStringList>

#include <optional>

namespace rsa {

struct LaunchOptions {
    QString language;
    bool stepByStep = false; // --adim-adim: the step window beside the main one
    bool realSize = false;   // --gercek-boyut: the real-size window, from its module
    // Set when the program ends at once instead of opening its window: 0
    // after --help or --version, 2 after a wrong option. output is what it
    // prints then, on standard output after 0 and on standard error otherwise.
    std::optional<int> exitCode;
    QString output;
};

// Reads arguments (the program's name first) and switches the application to
// the language chosen, Turkish when none is or the one given is unknown, so
// that the usage and the errors speak it too. Needs a QCoreApplication.
LaunchOptions readLaunchOptions(const QStringList& arguments);

// Prints the output of options that end the program; returns the exit status.
int printEnding(const LaunchOptions& options);

} // namespace rsa
