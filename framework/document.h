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
    virtual BOOL OnOpenDocument(const QString& pathName);
    // Writes the document to the file, replacing it only once complete; on failure tells the user.
    virtual BOOL OnSaveDocument(const QString& pathName);
    virtual void Serialize(CArchive& ar);

    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strPathName; }
    // Names the document after the file and puts the file first in the recent-file list.
    void SetPathName(const QString& pathName);

    void AddView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }

    // Saves under pathName, or under a name asked of the user when it is empty.
    BOOL DoSave(const QString& pathName);

protected:
    void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()

private:
    QString m_strTitle;
    QString m_strPathName;
    std::vector<CView*> m_viewList;
};
