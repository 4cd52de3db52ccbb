// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include <cstdio>

namespace {
// Qt's options that take the next argument as their value, and those that take none. Qt also
// accepts them with two dashes.
const QStringList qtOptionsWithValue{
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowicon",
    "icon",
    "qwindowtitle",
    "title",
    "session",
    "style",
    "stylesheet",
    "display",
    "name",
    "visual",
};
const QStringList qtFlags{"reverse", "testability", "widgetcount", "dograb", "nograb"};
// Qt's options written with their value after "=".
const QStringList qtOptionsWithInlineValue{"style=", "stylesheet=", "qmljsdebugger="};

bool IsQtFlag(const QString& name)
{
    if (qtFlags.contains(name))
        return true;
    for (const QString& prefix : qtOptionsWithInlineValue)
        if (name.startsWith(prefix))
            return true;
    return false;
}
} // namespace

CommandLineOptions ParseCommandLineOptions(const QStringList& arguments)
{
    CommandLineOptions options;
    options.qtArgumentCount = static_cast<int>(arguments.size());
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            options.qtArgumentCount = static_cast<int>(i);
            if (options.fileName.isEmpty() && i + 1 < arguments.size())
                options.fileName = arguments[i + 1];
            break;
        }
        if (!argument.startsWith(u'-')) {
            if (options.fileName.isEmpty())
                options.fileName = argument;
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        if (qtOptionsWithValue.contains(name)) {
            if (++i < arguments.size() && name == QLatin1String("platform"))
                options.platform = arguments[i];
            else if (i < arguments.size() && name == QLatin1String("display"))
                options.display = arguments[i];
            continue;
        }
        if (IsQtFlag(name))
            continue;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.action = CommandLineOptions::ShowHelp;
        } else if (argument == QLatin1String("--version")) {
            options.action = CommandLineOptions::ShowVersion;
        } else {
            options.action = CommandLineOptions::RejectOption;
            options.unknownOption = argument;
        }
        break;
    }
    return options;
}

std::optional<int> AnswerCommandLine(const CommandLineOptions& options, const CommandLineAnswers& answers)
{
    switch (options.action) {
    case CommandLineOptions::Run:
        return std::nullopt;
    case CommandLineOptions::ShowHelp:
        std::fputs(answers.help.toUtf8().constData(), stdout);
        return 0;
    case CommandLineOptions::ShowVersion:
        std::fputs(answers.version.toUtf8().constData(), stdout);
        return 0;
    case CommandLineOptions::RejectOption:
        std::fputs(answers.unknownOption.arg(options.unknownOption).toLocal8Bit().constData(), stderr);
        return 2;
    }
    return std::nullopt;
}
