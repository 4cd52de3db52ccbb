#include "winapp.h"

#include "cmdui.h"
#include "commandlineinfo.h"
#include "commandlineoptions.h"
#include "framewnd.h"
#include "recentfilelist.h"
#include "resources.h"
#include "singledoctemplate.h"
#include "stdcommands.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QWidget>

namespace {
CWinApp* g_pApp = nullptr;

// Marks the menu items that show the recent files, made anew each time the menu opens.
constexpr char kRecentFileEntry[] = "recentFileEntry";

// "&1 ~/grilles/une grille.txt": the home folder shortened, the ampersands kept as text.
QString RecentFileMenuText(int nIndex, const QString& pathName)
{
    QString shown = QDir::toNativeSeparators(pathName);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (shown.startsWith(home + QDir::separator()))
        shown = QStringLiteral("~") + shown.mid(home.size());
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

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) const
{
    const QString fileName = AfxParseCommandLine(m_arguments).fileName;
    if (fileName.isEmpty())
        return;
    rCmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
    rCmdInfo.m_strFileName = fileName;
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    if (!m_pDocTemplate)
        return FALSE;
    const QString pathName =
        rCmdInfo.m_nShellCommand == CCommandLineInfo::FileOpen ? rCmdInfo.m_strFileName : QString();
    return OpenDocumentFile(pathName) != nullptr;
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

void CWinApp::OnFileNew()
{
    OpenDocumentFile(QString());
}

// A recent file that can no longer be opened has been reported by the document; it leaves the list.
void CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return;
    const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    const QString pathName = m_pRecentFileList->Files().value(index);
    if (!pathName.isEmpty() && !OpenDocumentFile(pathName))
        m_pRecentFileList->Remove(index);
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
        entry->setText(RecentFileMenuText(i, files[i]));
        entry->setProperty(kRecentFileEntry, true);
        menu->insertAction(placeholder, entry);
    }
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
        m_pMainWnd->GetSafeHwnd()->close();
}
