// SPDX-License-Identifier: GPL-3.0-or-later

#include "winmain.h"

#include "qttranslations.h"
#include "resources.h"
#include "winapp.h"

#include <QApplication>
#include <QFile>

void AfxWinInit(CWinApp* pApp, const QByteArrayList& argv)
{
    if (pApp->m_pszAppName.isEmpty())
        pApp->m_pszAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    pApp->m_argv = argv;
    pApp->m_arguments.clear();
    for (const QByteArray& argument : argv)
        pApp->m_arguments << QFile::decodeName(argument);
}

int AfxWinMain(int argc, char* argv[], int qtArgc, const ResourceModule& resources)
{
    AfxSetResourceHandle(&resources);
    const int givenToQt = qtArgc;
    QApplication qtApp(qtArgc, argv);
    LoadQtTranslations();

    CWinApp* app = AfxGetApp();
    if (!app)
        return 1;
    // The arguments' bytes: what Qt left of those it was given, then the others.
    QByteArrayList bytes(argv, argv + qtArgc);
    bytes += QByteArrayList(argv + givenToQt, argv + argc);
    AfxWinInit(app, bytes);
    if (!app->InitInstance()) {
        app->ExitInstance();
        return 1;
    }
    QApplication::exec();
    return app->ExitInstance();
}
