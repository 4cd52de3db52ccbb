// SPDX-License-Identifier: GPL-3.0-or-later

#include "framewnd.h"

#include "accessiblemenuitem.h"
#include "cmdui.h"
#include "createcontext.h"
#include "document.h"
#include "icon.h"
#include "resources.h"
#include "runtimeclass.h"
#include "stdcommands.h"
#include "toolbar.h"
#include "view.h"
#include "winapp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {
// The frame's window: shows the idle text when no prompt is to be shown, offers no menu of its own
// bars, and closes only when the frame agrees.
class FrameWindow : public QMainWindow
{
public:
    explicit FrameWindow(CFrameWnd* frame) : m_frame(frame) {}

    QMenu* createPopupMenu() override { return nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (!m_frame->OnClose())
            event->ignore();
    }

    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip) {
            const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
            if (QStatusBar* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
                bar->showMessage(tip.isEmpty() ? AfxLoadString(AFX_IDS_IDLEMESSAGE) : tip);
            return true;
        }
        return QMainWindow::event(event);
    }

private:
    CFrameWnd* m_frame;
};

// Gives the frame every key pressed in its window before any control sees it.
class AcceleratorFilter : public QObject
{
public:
    AcceleratorFilter(CFrameWnd* frame, QWidget* window) : QObject(window), m_frame(frame), m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || QApplication::activeModalWidget())
            return false;
        if (static_cast<QWidget*>(watched)->window() != m_window)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return m_frame->TranslateAccelerator(key->key(), key->modifiers());
    }

private:
    CFrameWnd* m_frame;
    QWidget* m_window;
};

// The Qt key of a virtual-key code of the accelerator table.
int QtKeyOf(UINT vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return static_cast<int>(vk);
    if (vk >= 0x70 && vk <= 0x87) // F1 to F24
        return Qt::Key_F1 + static_cast<int>(vk - 0x70);
    switch (vk) {
    case 0x08:
        return Qt::Key_Backspace;
    case 0x2D:
        return Qt::Key_Insert;
    case 0x2E:
        return Qt::Key_Delete;
    default:
        return 0;
    }
}
} // namespace

CFrameWnd::CFrameWnd() = default;

// The view, whose window lives inside the frame's, goes first: members end before the base.
CFrameWnd::~CFrameWnd() = default;

const AFX_MSGMAP* CFrameWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CFrameWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CWnd::GetThisMessageMap,
                                {
                                    MapCommandRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck),
                                    MapUpdateCommandUI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu),
                                    MapUpdateCommandUI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu),
                                }};
    return &map;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, CCreateContext* pContext)
{
    m_strTitle = AfxLoadString(nIDResource).section(u'\n', 0, 0);
    auto* window = new FrameWindow(this);
    window->setWindowTitle(m_strTitle);
    // Without leave to talk to the user, the session ends as it would have ended anyway.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window, [this](QSessionManager& manager) {
        if (manager.allowsInteraction() && !OnQueryEndSession())
            manager.cancel();
        manager.release();
    });
    // A new main window opens at three quarters of the screen, as the desktop would place it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->resize(screen->availableGeometry().size() * 3 / 4);
    window->setWindowIcon(LoadIcon(nIDResource));
    Attach(window);

    if (const MenuTemplate* menu = FindMenu(nIDResource)) {
        AccessibleMenuItem::Install();
        for (const MenuItemTemplate& item : menu->items) {
            QMenu* popup = window->menuBar()->addMenu(QString::fromUtf8(item.text));
            AddMenuItems(popup, item.popup);
        }
    }
    m_pAccelerators = FindAccelerators(nIDResource);
    if (m_pAccelerators)
        new AcceleratorFilter(this, window);

    if (OnCreate(pContext) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CFrameWnd::AddMenuItems(QMenu* menu, const std::vector<MenuItemTemplate>& items)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { UpdateMenu(menu); });
    for (const MenuItemTemplate& item : items) {
        if (item.flags & MF_SEPARATOR) {
            menu->addSeparator();
        } else if (!item.popup.empty()) {
            AddMenuItems(menu->addMenu(QString::fromUtf8(item.text)), item.popup);
        } else {
            // "Text\tShortcut": the shortcut goes to the action, which the menu shows beside the text and
            // screen readers read apart from it. The accelerator table still runs the command: the
            // action's shortcut only acts while the menu itself has the focus.
            const QString text = QString::fromUtf8(item.text);
            QAction* action = MakeCommandAction(item.id, menu);
            action->setText(text.section(u'\t', 0, 0));
            action->setShortcut(QKeySequence(text.section(u'\t', 1), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WidgetShortcut);
            action->setEnabled(!(item.flags & MF_GRAYED));
            menu->addAction(action);
        }
    }
}

QAction* CFrameWnd::MakeCommandAction(UINT nID, QObject* parent)
{
    auto* action = new QAction(parent);
    action->setData(nID);
    action->setObjectName(QString::number(nID));
    action->setStatusTip(AfxLoadString(nID).section(u'\n', 0, 0));
    QObject::connect(action, &QAction::triggered, action, [this, nID] { ExecuteCommand(nID); });
    return action;
}

void CFrameWnd::UpdateMenu(QMenu* menu)
{
    // An update may remove or add items (the recent-file list): go over the items as they were.
    const QList<QAction*> actions = menu->actions();
    QList<QPointer<QAction>> items(actions.begin(), actions.end());
    for (const QPointer<QAction>& action : items) {
        if (action && !action->isSeparator() && !action->menu()) {
            CCmdUI state(action->data().toUInt(), action, menu);
            state.DoUpdate(this);
        }
    }
}

int CFrameWnd::OnCreate(CCreateContext* pContext)
{
    return OnCreateClient(pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(CCreateContext* pContext)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return TRUE;
    std::unique_ptr<CView> view(dynamic_cast<CView*>(pContext->m_pNewViewClass->CreateObject()));
    if (!view || !view->Create(this))
        return FALSE;
    static_cast<QMainWindow*>(GetSafeHwnd())->setCentralWidget(view->GetSafeHwnd());
    if (pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(view.get());
    m_pView = std::move(view);
    return TRUE;
}

void CFrameWnd::InitialUpdateFrame(CDocument*)
{
    if (m_pView) {
        m_pView->OnInitialUpdate();
        m_pView->OnActivateView();
    }
    OnUpdateFrameTitle();
    UpdateControlBars();
    SetMessageText(AFX_IDS_IDLEMESSAGE);
}

void CFrameWnd::SetMessageText(const QString& text)
{
    if (QStatusBar* bar = GetSafeHwnd()->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        bar->showMessage(text);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SetMessageText(AfxLoadString(nID));
}

CWnd* CFrameWnd::GetMessageBar() const
{
    return FromHandlePermanent(GetSafeHwnd()->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly));
}

// "[*]" is Qt's place for the asterisk of a modified window; one in the document's title is doubled
// to stand as itself.
void CFrameWnd::OnUpdateFrameTitle()
{
    const CDocument* document = m_pView ? m_pView->GetDocument() : nullptr;
    QWidget* window = GetSafeHwnd();
    if (!document) {
        window->setWindowTitle(m_strTitle);
        return;
    }
    const QString title = QString(document->GetTitle()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window->setWindowTitle(title + QStringLiteral("[*] - ") + m_strTitle);
    window->setWindowModified(document->IsModified());
}

BOOL CFrameWnd::OnClose()
{
    CWinApp* app = AfxGetApp();
    return !app || app->m_pMainWnd != this || app->SaveAllModified();
}

// Once the user has answered, the document counts as saved or given up: the window closing at the
// end of the session must not ask again.
BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* app = AfxGetApp();
    if (!app || app->m_pMainWnd != this)
        return TRUE;
    if (!app->SaveAllModified())
        return FALSE;
    if (CDocument* document = m_pView ? m_pView->GetDocument() : nullptr)
        document->SetModifiedFlag(FALSE);
    return TRUE;
}

void CFrameWnd::RecalcLayout()
{
    if (QLayout* layout = GetSafeHwnd() ? GetSafeHwnd()->layout() : nullptr) {
        layout->invalidate();
        layout->activate();
    }
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
}

void CFrameWnd::DockControlBar(CToolBar* pBar)
{
    auto* window = static_cast<QMainWindow*>(GetSafeHwnd());
    auto* toolBar = static_cast<QToolBar*>(pBar->GetSafeHwnd());
    const Qt::ToolBarAreas allowed = toolBar->allowedAreas();
    // Docks at the edge the bar's alignment names first, if the frame has a site there.
    for (const auto& [align, area] :
         {std::pair{CBRS_ALIGN_TOP, Qt::TopToolBarArea}, std::pair{CBRS_ALIGN_BOTTOM, Qt::BottomToolBarArea},
          std::pair{CBRS_ALIGN_LEFT, Qt::LeftToolBarArea}, std::pair{CBRS_ALIGN_RIGHT, Qt::RightToolBarArea}}) {
        if ((pBar->GetBarStyle() & align) && (m_dwDockStyle & align) && allowed.testFlag(area)) {
            window->addToolBar(area, toolBar);
            return;
        }
    }
}

void CFrameWnd::UpdateControlBars()
{
    for (QToolBar* toolBar : GetSafeHwnd()->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction* action : toolBar->actions()) {
            if (!action->isSeparator()) {
                CCmdUI state(action->data().toUInt(), action);
                state.DoUpdate(this);
            }
        }
    }
}

// The active view, and through it its document, first; then the frame itself; last the application.
BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pView && m_pView->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
}

void CFrameWnd::ExecuteCommand(UINT nID)
{
    CCmdUI state(nID, nullptr);
    state.DoUpdate(this);
    if (state.IsEnabled())
        OnCmdMsg(nID, CN_COMMAND);
    // The command may have closed the frame; otherwise its buttons may have changed state.
    if (GetSafeHwnd())
        UpdateControlBars();
}

bool CFrameWnd::TranslateAccelerator(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    for (const Accelerator& entry : m_pAccelerators->entries) {
        Qt::KeyboardModifiers wanted;
        wanted.setFlag(Qt::ShiftModifier, entry.fVirt & FSHIFT);
        wanted.setFlag(Qt::ControlModifier, entry.fVirt & FCONTROL);
        wanted.setFlag(Qt::AltModifier, entry.fVirt & FALT);
        if (QtKeyOf(entry.key) == key && wanted == held) {
            ExecuteCommand(entry.cmd);
            return true;
        }
    }
    return false;
}

QWidget* CFrameWnd::GetControlBar(UINT nID) const
{
    for (QWidget* child : GetSafeHwnd()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const CWnd* bar = FromHandlePermanent(child);
        if (bar && static_cast<UINT>(bar->GetDlgCtrlID()) == nID)
            return child;
    }
    return nullptr;
}

// The View menu's bar commands show or hide the bar whose child ID is the command's.
void CFrameWnd::OnBarCheck(UINT nID)
{
    if (QWidget* bar = GetControlBar(nID))
        bar->setVisible(bar->isHidden());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    const QWidget* bar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(bar != nullptr);
    pCmdUI->SetCheck(bar && !bar->isHidden());
}
