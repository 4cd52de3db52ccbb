// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framewnd.h"
#include "statusbar.h"
#include "toolbar.h"

// The main window: the grid form between a dockable toolbar and a status bar.
class CMainFrame : public CFrameWnd
{
protected:
    int OnCreate(CCreateContext* pContext) override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};
