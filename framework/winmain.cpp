#include "winmain.h"

#include "displaycheck.h"
#include "resources.h"
#include "stdcommands.h"
#include "trace.h"
#include "winapp.h"

#include <QApplication>
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

void AfxWinInit(CWinApp* pApp, const QStringList& arguments)
{
    if (pApp->m_pszAppName.isEmpty())
        pApp->m_pszAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    pApp->m_arguments = arguments;
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
        std::fprintf(stderr, "carrelix : %s\n", reason.c_str());
        return 1;
    }
    if (const std::string platform = AfxReachablePlatform(); !platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());

    AfxIgnoreFileSizeSignal();
    QApplication qtApp(argc, argv);
    if (!AfxLoadQtTranslations())
        AfxTrace("Traductions françaises de Qt (qtbase_fr.qm) introuvables\n");

    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    AfxWinInit(app, QApplication::arguments());
    if (!app->InitInstance()) {
        app->ExitInstance();
        return 1;
    }
    QApplication::exec();
    return app->ExitInstance();
}
