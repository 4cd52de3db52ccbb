// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridstatepane.h"

#include "framewnd.h"
#include "gridaccessibility.h"
#include "resource.h"
#include "resources.h"
#include "statusbar.h"
#include "sudokusolver.h"

namespace {
UINT StateOf(const BYTE grid[kGridSize][kGridSize])
{
    if (IsGridComplete(grid))
        return IDS_GRID_COMPLETE;
    switch (CountSolutions(grid)) {
    case 0:
        return IDS_GRID_NO_SOLUTION;
    case 1:
        return IDS_GRID_ONE_SOLUTION;
    default:
        return IDS_GRID_SEVERAL_SOLUTIONS;
    }
}
} // namespace

GridStatePane::GridStatePane(const CWnd& view, GridAccessibility& notices) : m_view(view), m_notices(notices)
{}

QString GridStatePane::Text() const
{
    return m_nShown ? AfxLoadString(m_nShown) : QString();
}

void GridStatePane::Update(const BYTE grid[kGridSize][kGridSize])
{
    const UINT state = StateOf(grid);
    if (state == m_nShown)
        return;
    const bool tell = m_nShown != 0 && (state == IDS_GRID_NO_SOLUTION || state == IDS_GRID_COMPLETE);
    m_nShown = state;
    CFrameWnd* frame = m_view.GetParentFrame();
    if (auto* bar = frame ? dynamic_cast<CStatusBar*>(frame->GetMessageBar()) : nullptr)
        bar->SetPaneText(bar->CommandToIndex(ID_INDICATOR_GRID_STATE), AfxLoadString(state));
    if (tell)
        m_notices.Announce(AfxLoadString(state));
}
