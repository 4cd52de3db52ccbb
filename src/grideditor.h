// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridsize.h"
#include "gridstep.h"

#include <cstdint>
#include <vector>

class CView;
class CWnd;
class QUndoStack;

using GridValues = std::uint8_t[kGridSize][kGridSize];

// What the commands on the whole grid (Edition, Grille, the history's steps) need of the grid view,
// which gives it: its window, its values, the cells, and the one way to change the grid as a step.
class GridEditor
{
public:
    // The grid's window, with its document and frame.
    virtual CView& GetGridView() = 0;
    virtual const GridValues& GetGrid() const = 0;
    // The grid's history, kept by its document; null without one.
    virtual QUndoStack* GetHistory() const = 0;
    // The cell's control at (row, col), null for none.
    virtual CWnd* GetCell(int row, int col) const = 0;
    // The position of the cell that has the keyboard focus; false when none has it.
    virtual bool GetFocusedCell(int& row, int& col) const = 0;
    // Puts each value in its cell as one step of the grid's history (see CNinegridView::PutCells).
    virtual void PutCells(const std::vector<CellValue>& values) = 0;
    virtual void FocusCellAt(int row, int col) = 0;

protected:
    ~GridEditor() = default;
};
