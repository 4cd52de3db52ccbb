// SPDX-License-Identifier: GPL-3.0-or-later

#include "document.h"

#include "archive.h"
#include "filedialog.h"
#include "filereason.h"
#include "framewnd.h"
#include "messagebox.h"
#include "regularfile.h"
#include "savefile.h"
#include "stdcommands.h"
#include "view.h"
#include "winapp.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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
    QString reason;
    // Where the working folder has no name (a path over the system's limit), a relative name could
    // only be kept as "/" and the name, which may be another file.
    if (QDir::isRelativePath(pathName) && QDir::currentPath().isEmpty())
        reason = QStringLiteral("le dossier courant est trop profond pour qu'un nom relatif y soit suivi ; "
                                "donnez le chemin complet du fichier");
    else
        reason = AfxOpenRegularFile(file, nativeName);
    if (reason.isEmpty()) {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        reason = ar.GetError();
    }
    if (!reason.isEmpty()) {
        AfxReportFileError(QStringLiteral("Impossible d'ouvrir le document"), pathName, reason);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const QString& pathName)
{
    QSaveFile file(pathName);
    QString reason = AfxOpenForSaving(file);
    if (reason.isEmpty()) {
        const bool inPlace = AfxSavesInPlace(file);
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        reason = ar.GetError();
        // The flush comes first: Qt's commit would miss an error of the last buffered write.
        if (reason.isEmpty() && (!file.flush() || !file.commit()))
            reason = AfxFileErrorReason(file, errno);
        if (!reason.isEmpty()) {
            file.cancelWriting();
            if (inPlace)
                reason += QStringLiteral(" ; le fichier a pu n'être écrit qu'en partie");
        }
    }
    if (!reason.isEmpty()) {
        AfxReportFileError(QStringLiteral("Impossible d'enregistrer le document"), pathName, reason);
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
    const QString question =
        QStringLiteral("Voulez-vous enregistrer les modifications apportées à « %1 » ?").arg(m_strTitle);
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
        QFileDialog dialog(nullptr, QStringLiteral("Enregistrer sous"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(QStringLiteral("Tous les fichiers (*)"));
        dialog.selectFile(m_strPathName.isEmpty() ? m_strTitle : m_strPathName);
        newName = AfxRunFileDialog(dialog);
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
