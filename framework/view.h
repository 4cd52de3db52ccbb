#pragma once

#include "wnd.h"

// A view: the client window of a frame, prepared anew by the frame for each document.
class CView : public CWnd
{
public:
    // Makes the view's window as a child of the parent; FALSE when it cannot be made.
    virtual BOOL Create(CWnd* pParentWnd) = 0;

    // Called by the frame each time it prepares the view for a document; repaints the view.
    virtual void OnInitialUpdate();
    // Called when the frame makes this the active view: the view takes the keyboard focus.
    virtual void OnActivateView();
};
