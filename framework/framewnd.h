// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wnd.h"

#include <memory>

struct AcceleratorTable;
struct CCreateContext;
struct MenuItemTemplate;
class CDocument;
class CToolBar;
class CView;
class QAction;
class QMenu;

// A top-level frame window: menu, accelerators, icon and title from one resource ID, control bars
// docked around one view. Commands from its menu, accelerators and toolbars go to the active view
// (and its document) first, then to the frame, then to the application.
class CFrameWnd : public CWnd
{
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Makes the window, not yet shown, at the default size of a new main window, then OnCreate.
    BOOL LoadFrame(UINT nIDResource, CCreateContext* pContext);
    CView* GetActiveView() const { return m_pView.get(); }

    // Prepares the view for the document, makes it the active view and shows the document's title.
    void InitialUpdateFrame(CDocument* pDoc);
    // "<document title> - <application title>", with an asterisk after the document's title while
    // it is modified.
    void OnUpdateFrameTitle();
    // The user closes the frame (its close box, File > Quit): the main frame first has the
    // application ask about a modified document. FALSE keeps the frame open.
    BOOL OnClose();
    // The desktop session is ending: the same question; FALSE asks the session to go on.
    BOOL OnQueryEndSession();
    // Shows the text (or the string with this ID) in the status bar's message pane, until a prompt replaces it.
    void SetMessageText(const QString& text);
    void SetMessageText(UINT nID);
    // The frame's status bar, null while it has none.
    CWnd* GetMessageBar() const;
    // Places the frame's bars and view again to fit the frame's current size.
    void RecalcLayout();

    // Lets the toolbar be docked at the given edges of the frame (CBRS_ALIGN_*).
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CToolBar* pBar);
    // Sets each toolbar button's state from the commands' handlers.
    void UpdateControlBars();

    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;
    // Runs a command unless its state says it is disabled; then refreshes the toolbars.
    void ExecuteCommand(UINT nID);
    // A menu item or button for the command: its prompt as status tip, running the command when chosen.
    QAction* MakeCommandAction(UINT nID, QObject* parent);
    // The key matches an accelerator of the frame: its command was run (if enabled) and the key is used up.
    bool TranslateAccelerator(int key, Qt::KeyboardModifiers modifiers);

protected:
    // Makes the control bars and the client view; -1 ends the frame's creation.
    virtual int OnCreate(CCreateContext* pContext);
    BOOL OnCreateClient(CCreateContext* pContext);

    void OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    QWidget* GetControlBar(UINT nID) const;
    void AddMenuItems(QMenu* menu, const std::vector<MenuItemTemplate>& items);
    void UpdateMenu(QMenu* menu);

    QString m_strTitle;
    DWORD m_dwDockStyle = 0;
    const AcceleratorTable* m_pAccelerators = nullptr;
    std::unique_ptr<CView> m_pView;
};
