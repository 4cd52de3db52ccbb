// SPDX-License-Identifier: GPL-3.0-or-later

#include "carrelixresources.h"
#include "commandline.h"
#include "commandlineanswers.h"
#include "displaycheck.h"
#include "programinfo.h"
#include "safesave.h"
#include "winmain.h"

#include <QGuiApplication>

#include <cstdio>

// The process's entry. What a program of the desktop answers before it opens any window (its help,
// its version, a mistyped option, a session without a display) comes first; then the framework
// runs the application.
int main(int argc, char* argv[])
{
    AfxSetResourceHandle(&CarrelixResources());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineOptions options = ParseCommandLineOptions(arguments);
    if (const std::optional<int> status = AnswerCommandLine(options, CarrelixCommandLineAnswers()))
        return *status;
    const DisplayCheck display = CheckDisplay(options.platform.toLocal8Bit().toStdString(),
                                              options.display.toLocal8Bit().toStdString(), CARRELIX_COMMAND);
    if (!display.reason.empty()) {
        std::fprintf(stderr, CARRELIX_COMMAND " : %s\n", display.reason.c_str());
        return 1;
    }
    if (!display.platform.empty())
        qputenv("QT_QPA_PLATFORM", display.platform.c_str());
    IgnoreFileSizeSignal();
    QGuiApplication::setDesktopFileName(QStringLiteral(CARRELIX_APP_ID));
    // Qt would take a file named like one of its options after "--" for that option.
    return AfxWinMain(argc, argv, options.qtArgumentCount, CarrelixResources());
}
