// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmdtarget.h"

#include <QString>

#include <memory>

struct CRuntimeClass;
class CDocument;
class CFrameWnd;

// The one document type of a single-document application: a document class, a frame class and a
// view class joined under one resource ID. It keeps one document and one frame for the whole run
// and prepares them anew for every document opened or made.
class CSingleDocTemplate : public CCmdTarget
{
public:
    // The fields of the document-type string (the resource string of the template's ID).
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                       const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    // Makes a new, untitled document when pathName is empty, else opens the file as the document.
    // Null when that failed; the document then stays as it was. A file named by bytes that are not
    // UTF-8 (nativeName) is opened by them; no path can name it again, so the document takes the
    // file's name as its title only, and is saved under a name the user gives.
    CDocument* OpenDocumentFile(const QString& pathName, const QByteArray& nativeName = {});
    QString GetDocString(DocStringIndex index) const;
    void SetDefaultTitle(CDocument* pDocument) const;
    CFrameWnd* GetFrame() const { return m_pFrame.get(); }
    CDocument* GetDocument() const { return m_pOnlyDoc.get(); }

private:
    // A failed first document takes its new frame with it; a later one leaves both as they were.
    CDocument* FailedDocument(bool created);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::unique_ptr<CDocument> m_pOnlyDoc;
    std::unique_ptr<CFrameWnd> m_pFrame; // ends before the document its view shows
};
