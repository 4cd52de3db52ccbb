// SPDX-License-Identifier: GPL-3.0-or-later

#include "winmain.h"

#include "commandlineoptions.h"
#include "displaycheck.h"
#include "resources.h"
#include "stdcommands.h"
#include "trace.h"
#include "winapp.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <csignal>
#include <cstdio>

void AfxIgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool AfxLoadQtTranslations()
{
    static QTranslator translator;
    if (!translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(&translator);
    return true;
}

void AfxWinInit(CWinApp* pApp, const QByteArrayList& argv)
{
    if (pApp->m_pszAppName.isEmpty())
        pApp->m_pszAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    pApp->m_argv = argv;
    pApp->m_arguments.clear();
    for (const QByteArray& argument : argv)
        pApp->m_arguments << QFile::decodeName(argument);
}

int AfxWinMain(int argc, char* argv[], const ResourceModule& resources)
{
    AfxSetResourceHandle(&resources);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineOptions options = AfxParseCommandLine(arguments);
    if (const std::optional<int> status = AfxAnswerCommandLine(options, resources))
        return *status;
    if (const std::string reason = AfxMissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "carrelix : %s\n", reason.c_str());
        return 1;
    }
    if (const std::string platform = AfxReachablePlatform(); !platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());

    AfxIgnoreFileSizeSignal();
    // Qt would take a file named like one of its options after "--" for that option.
    int qtArgc = options.qtArgumentCount;
    QApplication qtApp(qtArgc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(resources.applicationId));
    if (!AfxLoadQtTranslations())
        AfxTrace("Traductions françaises de Qt (qtbase_fr.qm) introuvables\n");

    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    // The arguments' bytes: what Qt left of those it was given, then those after "--".
    QByteArrayList bytes(argv, argv + qtArgc);
    bytes += QByteArrayList(argv + options.qtArgumentCount, argv + argc);
    AfxWinInit(app, bytes);
    if (!app->InitInstance()) {
        app->ExitInstance();
        return 1;
    }
    QApplication::exec();
    return app->ExitInstance();
}
