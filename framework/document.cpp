// SPDX-License-Identifier: GPL-3.0-or-later

#include "document.h"

#include "archive.h"
#include "filedialog.h"
#include "framewnd.h"
#include "messagebox.h"
#include "regularfile.h"
#include "resources.h"
#include "safesave.h"
#include "view.h"
#include "winapp.h"

#include <QFileDevice>
#include <QFileDialog>
#include <QFileInfo>

#include <optional>

const AFX_MSGMAP* CDocument::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CDocument::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CCmdTarget::GetThisMessageMap,
                                {MapCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)}};
    return &map;
}

BOOL CDocument::OnNewDocument()
{
    m_strPathName.clear();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const QString& pathName, const QByteArray& nativeName)
{
    QFile file(pathName);
    QString reason = OpenRegularFile(file, nativeName);
    if (reason.isEmpty()) {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        reason = ar.GetError();
    }
    if (!reason.isEmpty()) {
        ReportFileError(AfxLoadString(AFX_IDP_FAILED_TO_OPEN_DOC), pathName, reason);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const QString& pathName)
{
    const std::optional<SaveFailure> failure = SaveFile(pathName, [this](QFileDevice& file) {
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        return ar.GetError();
    });
    if (failure) {
        ReportFileError(AfxLoadString(AFX_IDP_FAILED_TO_SAVE_DOC), pathName, failure->reason);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive&)
{}

void CDocument::SetTitle(const QString& title)
{
    m_strTitle = title;
    UpdateFrameTitles();
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    UpdateFrameTitles();
}

BOOL CDocument::SaveModified()
{
    if (!m_bModified)
        return TRUE;
    const QString question = AfxLoadString(AFX_IDP_ASK_TO_SAVE).arg(m_strTitle);
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

void CDocument::UpdateFrameTitles()
{
    for (CView* view : m_viewList) {
        if (CFrameWnd* frame = view->GetParentFrame())
            frame->OnUpdateFrameTitle();
    }
}

void CDocument::SetPathName(const QString& pathName)
{
    m_strPathName = QFileInfo(pathName).absoluteFilePath();
    SetTitle(QFileInfo(pathName).fileName());
    if (AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

BOOL CDocument::DoSave(const QString& pathName)
{
    QString newName = pathName;
    if (newName.isEmpty()) {
        // The framework's own save dialog: every file, the name proposed from the path or the title.
        QFileDialog dialog(nullptr, AfxLoadString(AFX_IDS_SAVEFILE));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(AfxLoadString(AFX_IDS_ALLFILTER));
        dialog.selectFile(m_strPathName.isEmpty() ? m_strTitle : m_strPathName);
        newName = RunFileDialog(dialog);
        if (newName.isEmpty())
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    SetPathName(newName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName);
}

void CDocument::OnFileSaveAs()
{
    DoSave(QString());
}
