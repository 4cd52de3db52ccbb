// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controlbar.h"
#include "wnd.h"

#include <QMargins>

class CFrameWnd;

// The frame's toolbar: buttons for commands, with images from one strip; a gripper to drag it to
// another edge or away to float. A button shows its command's short name as tooltip and its prompt
// in the status bar while the pointer rests on it (the bar is made with CBRS_TOOLTIPS | CBRS_FLYBY).
// Made with CBRS_SIZE_DYNAMIC, the floating bar can be reshaped by its right or bottom edge: its
// buttons wrap into as many rows as its width needs.
class CToolBar : public CWnd
{
public:
    BOOL CreateEx(CFrameWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const QMargins& borders, UINT nID);
    // Makes the buttons of the toolbar resource; FALSE when there is none.
    BOOL LoadToolBar(UINT nIDResource);
    // Lets the bar be docked at the given edges (CBRS_ALIGN_*); a dockable bar can also float.
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }

private:
    CFrameWnd* m_pFrame = nullptr;
    DWORD m_dwCtrlStyle = 0;
    DWORD m_dwStyle = 0;
};
