// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmdtarget.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <memory>

class CCommandLineInfo;
class CDocument;
class CRecentFileList;
class CSingleDocTemplate;
class CWnd;

// The application: starts the program in InitInstance, keeps its one document type and its
// recent-file list, and answers the commands that belong to the application as a whole.
class CWinApp : public CCmdTarget
{
public:
    // Without a name the application takes its title string (AFX_IDS_APP_TITLE) when it starts.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Writes the settings back and closes the document, its frame and view.
    virtual int ExitInstance();

    // The settings are kept per user under this key, in a section named after the application.
    void SetRegistryKey(const QString& registryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    // The first argument that is no option, or the one after "--", names a file to open.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo) const;
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    CDocument* OpenDocumentFile(const QString& pathName);
    void AddToRecentFileList(const QString& pathName);
    // Asks about the modified document before it is closed or replaced; FALSE when the user
    // cancelled or its save failed.
    BOOL SaveAllModified();
    const CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    QString m_pszAppName;
    QString m_pszRegistryKey;
    QStringList m_arguments; // the command line, program name first
    QByteArrayList m_argv;   // the same, as the bytes that the process got
    CWnd* m_pMainWnd = nullptr;

protected:
    void OnFileNew();
    void OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    void OnAppExit();

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
};

// The application object of the process.
CWinApp* AfxGetApp();
