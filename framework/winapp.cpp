// SPDX-License-Identifier: GPL-3.0-or-later

#include "winapp.h"

#include "cmdui.h"
#include "commandline.h"
#include "commandlineinfo.h"
#include "document.h"
#include "framewnd.h"
#include "recentfilelist.h"
#include "resources.h"
#include "singledoctemplate.h"
#include "stdcommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace {
CWinApp* g_pApp = nullptr;

// Marks the menu items that show the recent files, made anew each time the menu opens.
constexpr char kRecentFileEntry[] = "recentFileEntry";

// A recent file's menu entry is at most this many average characters wide.
constexpr int kRecentFileMenuChars = 60;

// "&1 ~/sudoku/samedi.txt": the home folder shortened, a long folder elided in its middle, the
// file's name whole, the ampersands kept as text.
QString RecentFileMenuText(int nIndex, const QString& pathName, const QFontMetrics& metrics)
{
    QString shown = QDir::toNativeSeparators(pathName);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (shown.startsWith(home + QDir::separator()))
        shown = QStringLiteral("~") + shown.mid(home.size());
    const qsizetype nameStart = shown.lastIndexOf(QDir::separator()) + 1;
    const QString name = shown.mid(nameStart);
    const int folderWidth =
        std::max(metrics.averageCharWidth() * kRecentFileMenuChars - metrics.horizontalAdvance(name),
                 metrics.averageCharWidth() * kRecentFileMenuChars / 4);
    shown = metrics.elidedText(shown.left(nameStart), Qt::ElideMiddle, folderWidth) + name;
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(shown.replace(u'&', QStringLiteral("&&")));
}
} // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName ? QString::fromUtf8(lpszAppName) : QString())
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    g_pApp = nullptr;
}

const AFX_MSGMAP* CWinApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWinApp::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CCmdTarget::GetThisMessageMap,
                                {
                                    MapCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile),
                                    MapUpdateCommandUI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu),
                                    MapCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
                                }};
    return &map;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    if (m_pRecentFileList && !m_pszRegistryKey.isEmpty()) {
        QSettings settings(m_pszRegistryKey, m_pszAppName);
        m_pRecentFileList->WriteList(settings);
    }
    m_pMainWnd = nullptr;
    m_pDocTemplate.reset();
    m_pRecentFileList.reset();
    return 0;
}

void CWinApp::SetRegistryKey(const QString& registryKey)
{
    m_pszRegistryKey = registryKey;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_pRecentFileList = std::make_unique<CRecentFileList>(static_cast<int>(nMaxMRU));
    if (!m_pszRegistryKey.isEmpty()) {
        QSettings settings(m_pszRegistryKey, m_pszAppName);
        m_pRecentFileList->ReadList(settings);
    }
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate)
{
    m_pDocTemplate.reset(pTemplate);
}

// A name whose bytes are not UTF-8, the system's file name encoding, does not survive as text: its
// bytes are kept to open it by.
void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) const
{
    const QString fileName = ParseCommandLineOptions(m_arguments).fileName;
    if (fileName.isEmpty())
        return;
    rCmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
    rCmdInfo.m_strFileName = fileName;
    const qsizetype index = m_arguments.indexOf(fileName, 1);
    if (index > 0 && index < m_argv.size() && QFile::encodeName(fileName) != m_argv[index])
        rCmdInfo.m_strNativeFileName = m_argv[index];
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (!m_pDocTemplate)
        return FALSE;
    if (rCmdInfo.m_nShellCommand != CCommandLineInfo::FileOpen)
        return OpenDocumentFile(QString()) != nullptr;
    return m_pDocTemplate->OpenDocumentFile(rCmdInfo.m_strFileName, rCmdInfo.m_strNativeFileName) != nullptr;
}

CDocument* CWinApp::OpenDocumentFile(const QString& pathName)
{
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(pathName) : nullptr;
}

void CWinApp::AddToRecentFileList(const QString& pathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(pathName);
}

BOOL CWinApp::SaveAllModified()
{
    CDocument* document = m_pDocTemplate ? m_pDocTemplate->GetDocument() : nullptr;
    return !document || document->SaveModified();
}

void CWinApp::OnFileNew()
{
    if (SaveAllModified())
        OpenDocumentFile(QString());
}

// A recent file that can no longer be opened has been reported by the document; it leaves the list.
// Saving the document first may have reordered the list.
void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    const QString pathName = m_pRecentFileList->Files().value(static_cast<int>(nID - ID_FILE_MRU_FILE1));
    if (!pathName.isEmpty() && SaveAllModified() && !OpenDocumentFile(pathName))
        m_pRecentFileList->Remove(m_pRecentFileList->Files().indexOf(pathName));
}

// The recent-file item of the menu stands for the list: while the list is empty it shows, grayed;
// otherwise the files take its place, numbered, each opening its file.
void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    QMenu* menu = pCmdUI->m_pMenu;
    QAction* placeholder = pCmdUI->m_pAction;
    if (!menu || !m_pRecentFileList || placeholder->property(kRecentFileEntry).toBool())
        return;
    for (QAction* action : menu->actions()) {
        if (action->property(kRecentFileEntry).toBool())
            delete action;
    }
    const QStringList& files = m_pRecentFileList->Files();
    placeholder->setVisible(files.isEmpty());
    pCmdUI->Enable(FALSE);
    auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
    for (int i = 0; frame && i < files.size(); ++i) {
        QAction* entry = frame->MakeCommandAction(ID_FILE_MRU_FILE1 + static_cast<UINT>(i), menu);
        entry->setText(RecentFileMenuText(i, files[i], menu->fontMetrics()));
        entry->setStatusTip(entry->statusTip() + QStringLiteral(" : ") + QDir::toNativeSeparators(files[i]));
        entry->setProperty(kRecentFileEntry, true);
        menu->insertAction(placeholder, entry);
    }
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
        m_pMainWnd->GetSafeHwnd()->close();
}
