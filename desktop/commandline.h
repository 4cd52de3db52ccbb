// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

// What the command line asks for, read before Qt starts so that --help, --version and a mistyped
// option are answered without a display. Qt's own options (-platform, -style, -display...) are
// passed over with their values; Qt reads them itself. Everything after "--" is a file name.
struct CommandLineOptions
{
    enum Action { Run, ShowHelp, ShowVersion, RejectOption } action = Run;
    QString unknownOption; // with RejectOption
    QString fileName;      // with Run, the first file name, empty when there is none
    int qtArgumentCount;   // with Run, the arguments before "--", those where Qt may look for its options
    QString platform;      // with Run, the value of Qt's last -platform, empty when there is none
    QString display;       // with Run, the value of the last -display (X11's), empty when there is none
};

// Reads the arguments, the program's name first; the first of --help, -h, --version or an unknown
// option decides.
CommandLineOptions ParseCommandLineOptions(const QStringList& arguments);

// What the program answers on the command line, UTF-8.
struct CommandLineAnswers
{
    QString help;          // what --help prints
    QString version;       // what --version prints
    QString unknownOption; // the line about an unknown option, "%1" standing for it
};

// Prints the help or the version, or the line about an unknown option on standard error, and gives
// the exit status; nothing when the program is to run.
std::optional<int> AnswerCommandLine(const CommandLineOptions& options, const CommandLineAnswers& answers);
