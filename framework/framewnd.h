#pragma once

#include "wnd.h"

#include <memory>

class CView;

// A top-level frame window whose client area is one view.
class CFrameWnd : public CWnd
{
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Makes the window, not yet shown, at the default size for a new main window.
    BOOL Create(const QString& windowName);
    // Makes the view's window as the frame's client; the frame owns the view from then on.
    CView* CreateView(std::unique_ptr<CView> pView);
    CView* GetActiveView() const { return m_pView.get(); }

    // Prepares the view for a document and makes it the active view.
    void InitialUpdateFrame();
    // Places the frame's bars and view again to fit the frame's current size.
    void RecalcLayout();

private:
    std::unique_ptr<CView> m_pView;
};
