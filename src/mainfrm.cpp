// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainfrm.h"

#include "resource.h"
#include "trace.h"

namespace {
// The status bar's panes from left to right: the message pane, the grid's state, then the lock indicators.
const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_GRID_STATE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                           ID_INDICATOR_SCRL};
} // namespace

int CMainFrame::OnCreate(CCreateContext* pContext)
{
    if (CFrameWnd::OnCreate(pContext) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC,
                               QMargins(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
        AfxTrace("%s", "Impossible de cr\xE9"
                       "er toolbar\n");
        return -1;
    }
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof indicators[0])) {
        AfxTrace("%s", "Impossible de cr\xE9"
                       "er la barre d'\xE9tat\n");
        return -1;
    }
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}
