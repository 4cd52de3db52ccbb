// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridsize.h"
#include "wintypes.h"

class CWnd;
class GridAccessibility;
class QString;

// The status bar's pane that tells the grid's state at a glance: one solution, several, none, or
// complete (all cells filled, no rule broken). Counting takes microseconds, so it follows every
// change. Screen readers hear the state when the grid comes to have no solution or to be complete.
class GridStatePane
{
public:
    // view's frame holds the status bar; notices tells screen readers.
    GridStatePane(const CWnd& view, GridAccessibility& notices);

    // The grid has changed ([row][col], 0 for an empty cell).
    void Update(const BYTE grid[kGridSize][kGridSize]);
    // The state shown, empty before the first update.
    QString Text() const;

private:
    const CWnd& m_view;
    GridAccessibility& m_notices;
    UINT m_nShown = 0; // the string ID of the state shown, 0 before the first
};
