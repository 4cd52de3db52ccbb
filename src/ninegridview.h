// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "formview.h"
#include "grideditor.h"
#include "gridsize.h"
#include "gridstep.h"
#include "gridtext.h"
#include "placement.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class EditionCommands;
class GridAccessibility;
class GrilleCommands;

// True exactly while the program itself writes cell texts: the change notifications that those
// writes raise are not the user's edits and are ignored.
extern bool g_bSuppressCellChange;

// The grid form: 81 edit cells showing a 9x9 Sudoku grid, and the owner of the grid's values.
// Every digit typed into a cell is put to the rules of the game (no equal digit in its row, column
// or 3x3 box) before it is kept. The commands on the whole grid reach it as a GridEditor.
class CNinegridView : public CFormView, public GridEditor
{
public:
    CNinegridView();
    ~CNinegridView() override;

    void OnInitialUpdate() override;
    // The document's file holds the grid: written from m_grid, or read to be shown at the next
    // initial update.
    void Serialize(CArchive& ar) override;

    // Whether value may stand at (row, col): no equal value elsewhere in the row, then the column,
    // then the 3x3 box. A conflict sounds the warning beep and names the rule on standard output.
    Placement CheckPlacement(int row, int col, BYTE value);
    // The grid position of the cell with this control ID; row 9 and column 9 when no cell has it.
    void FindCell(UINT id, int& row, int& col) const;
    // Stores value in the cell with this control ID if the rules allow it there; a value that
    // changes the grid marks the document modified and is one step of the grid's history.
    Placement SetCellValue(UINT id, BYTE value);

    // The one way to change the grid other than typing: puts each value in its cell, stored value and
    // text together, without the rules, beep or output, leaving the focus where it is, and reports the
    // change to the grid's history as one step that Annuler takes back whole. Paste and cut come here,
    // as should whatever else puts digits in the grid for the user; so do undo and redo, whose steps
    // the history knows for its own. Cells that already hold their value are left out of the step,
    // and so are givens (read-only cells): they keep their digit.
    void PutCells(const std::vector<CellValue>& values) override;
    // Gives the keyboard focus to the cell at (row, col).
    void FocusCellAt(int row, int col) override;
    CView& GetGridView() override { return *this; }
    const GridValues& GetGrid() const override { return m_grid; }
    QUndoStack* GetHistory() const override;
    CWnd* GetCell(int row, int col) const override;
    bool GetFocusedCell(int& row, int& col) const override;

    BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;

    // Puts a grid read from a file into the cells and the grid, as it stands in the file.
    void ShowGridBlock(const char szData[kGridBlockSize]);

    BYTE m_grid[kGridSize][kGridSize];    // 0 for an empty cell, else the digit 1..9; [row][col], row 0 at the top
    bool m_bCellIdsBuilt;                 // m_cellIds has been built from the form
    UINT m_cellIds[kGridSize][kGridSize]; // the control ID of the cell at [row][col]; all bits set for none

protected:
    void OnFileSave();
    void OnFileOpen();
    void OnEnChangeCell(UINT nID);
    void OnCellChange(int ctrlId);

private:
    void BuildCellMap();
    void ClearGrid();
    void FocusCell(int ctrlId);
    void FocusNextCell(int ctrlId);
    void ShowStoredValue(int ctrlId);
    // Every change of the stored values, typed or put, goes to the history and the grid's state here.
    void ReportStep(const GridStep& step);

    // A grid that the framework read from the document's file, for the next initial update to show.
    std::optional<std::array<char, kGridBlockSize>> m_gridToShow;
    std::unique_ptr<GridAccessibility> m_pAccessibility;
    std::unique_ptr<EditionCommands> m_pEdition;
    std::unique_ptr<GrilleCommands> m_pGrille;

    DECLARE_MESSAGE_MAP()
};
