// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmdtarget.h"

#include <QString>

#include <vector>

class CArchive;
class CView;

// A document: the file a frame shows, with its title and path; what it holds it reads and writes
// in Serialize.
class CDocument : public CCmdTarget
{
public:
    // Empties the document for a new, untitled one.
    virtual BOOL OnNewDocument();
    // Reads the file into the document; on failure tells the user and leaves the document as it was.
    // A file whose name is not UTF-8 is opened by its bytes, nativeName.
    virtual BOOL OnOpenDocument(const QString& pathName, const QByteArray& nativeName = {});
    // Writes the document to the file, replacing it only once complete; on failure tells the user.
    virtual BOOL OnSaveDocument(const QString& pathName);
    virtual void Serialize(CArchive& ar);

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    // Names the document after the file and puts the file first in the recent-file list.
    void SetPathName(const QString& pathName);

    // The document holds changes that its file does not; the frames' captions show it.
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    BOOL IsModified() const { return m_bModified; }
    // Before the document's content is replaced or closed: a modified document asks the user whether
    // to save it. FALSE when the user cancelled or the save failed: the action must not go on.
    BOOL SaveModified();

    void AddView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }

    // Saves under pathName, or under a name asked of the user when it is empty.
    BOOL DoSave(const QString& pathName);
    // Saves under the document's own path, asking for a name when it has none.
    BOOL DoFileSave();

protected:
    void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()

private:
    void UpdateFrameTitles();

    QString m_strTitle;
    QString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;
};
