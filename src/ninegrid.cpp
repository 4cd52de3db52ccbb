// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegrid.h"

#include "commandlineinfo.h"
#include "mainfrm.h"
#include "messagebox.h"
#include "ninegriddoc.h"
#include "ninegridview.h"
#include "resource.h"
#include "runtimeclass.h"
#include "singledoctemplate.h"
#include "startupservices.h"

CNinegridApp theApp;

const AFX_MSGMAP* CNinegridApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CNinegridApp::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CWinApp::GetThisMessageMap,
                                {
                                    MapCommand(ID_APP_ABOUT, &CNinegridApp::OnAppAbout),
                                    MapCommand(ID_FILE_NEW, &CNinegridApp::OnFileNew),
                                }};
    return &map;
}

BOOL CNinegridApp::InitInstance()
{
    INITCOMMONCONTROLSEX InitCtrls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&InitCtrls);
    CWinApp::InitInstance();
    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();

    SetRegistryKey(QStringLiteral("Applications locales générées par AppWizard"));
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CNinegridDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CNinegridView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CNinegridApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{}
