#include "winmain.h"

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
#include <cstring>

namespace {
void PrintVersion(const VersionInfo& version)
{
    const int* v = version.fileVersion;
    std::printf("%s %s (%d.%d.%d.%d) - %s\n", AfxLoadString(AFX_IDS_APP_TITLE).toUtf8().constData(),
                version.productVersionText, v[0], v[1], v[2], v[3], version.fileDescription);
}
} // namespace

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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 && resources.version) {
            PrintVersion(*resources.version);
            return 0;
        }
    }
    if (const std::string reason = AfxMissingDisplayReason(); !reason.empty()) {
        std::fprintf(stderr, "carrelix: %s\n", reason.c_str());
        return 1;
    }

    AfxIgnoreFileSizeSignal();
    QApplication qtApp(argc, argv);
    if (!AfxLoadQtTranslations())
        AfxTrace("Qt's French translations (qtbase_fr.qm) were not found\n");

    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    AfxWinInit(app, QByteArrayList(argv, argv + argc)); // without the options that Qt took
    if (!app->InitInstance()) {
        app->ExitInstance();
        return 1;
    }
    QApplication::exec();
    return app->ExitInstance();
}
