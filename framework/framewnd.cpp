#include "framewnd.h"

#include "view.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

CFrameWnd::CFrameWnd() = default;

// The view, whose window lives inside the frame's, goes first: members end before the base.
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(const QString& windowName)
{
    auto* window = new QMainWindow;
    window->setWindowTitle(windowName);
    // A new main window opens at three quarters of the screen, as the desktop would place it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->resize(screen->availableGeometry().size() * 3 / 4);
    Attach(window);
    return TRUE;
}

CView* CFrameWnd::CreateView(std::unique_ptr<CView> pView)
{
    auto* window = static_cast<QMainWindow*>(GetSafeHwnd());
    if (!window || !pView->Create(this))
        return nullptr;
    window->setCentralWidget(pView->GetSafeHwnd());
    m_pView = std::move(pView);
    return m_pView.get();
}

void CFrameWnd::InitialUpdateFrame()
{
    if (!m_pView)
        return;
    m_pView->OnInitialUpdate();
    m_pView->OnActivateView();
}

void CFrameWnd::RecalcLayout()
{
    if (QLayout* layout = GetSafeHwnd() ? GetSafeHwnd()->layout() : nullptr) {
        layout->invalidate();
        layout->activate();
    }
}
