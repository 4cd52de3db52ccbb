// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wnd.h"

class CArchive;
class CDocument;

// A view: the client window of a frame, showing its document and prepared anew by the frame for
// each document.
class CView : public CWnd
{
public:
    // Makes the view's window as a child of the parent; FALSE when it cannot be made.
    virtual BOOL Create(CWnd* pParentWnd) = 0;

    CDocument* GetDocument() const { return m_pDocument; }

    // Called by the frame each time it prepares the view for a document; repaints the view.
    virtual void OnInitialUpdate();
    // Called when the frame makes this the active view: the view takes the keyboard focus.
    virtual void OnActivateView();
    // Writes what the view holds to the document's file, or reads it from there, for a document
    // whose content lives in its view.
    virtual void Serialize(CArchive& ar);

    // Commands go to the view's own handlers first, then to its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

private:
    friend class CDocument;

    CDocument* m_pDocument = nullptr;
};
