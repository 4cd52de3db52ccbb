// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cmdtarget.h"
#include "gridgivens.h"
#include "gridstatepane.h"
#include "puzzlemaker.h"

class GridEditor;
class GridAccessibility;
class QUndoStack;

// The Grille menu's commands: a new puzzle of a grade, a hint with its reason, the solution, and
// the givens; and the status bar's pane of the grid's state. The view asks it for the commands that
// neither its own map nor the Edition commands name, before the document, and tells it of every
// change of the grid.
class GrilleCommands : public CCmdTarget
{
public:
    // notices tells the reasons and the grid's state, as it tells the reason of a refused digit.
    GrilleCommands(GridEditor& editor, GridAccessibility& notices);
    ~GrilleCommands() override;

    // The view has changed the grid's values.
    void GridChanged();
    // A new grid is in place (New, Open): it has no givens, and a puzzle still being made is not wanted.
    void GridReplaced();

protected:
    void OnNewPuzzle(UINT nID);
    void OnHint();
    void OnSolve();
    void OnFreezeGivens();
    void OnUpdateNewPuzzle(CCmdUI* pCmdUI);
    void OnUpdateGridCommand(CCmdUI* pCmdUI);
    void OnUpdateFreezeGivens(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void PuzzleMade(const PuzzleCells& puzzle);
    void ShowBusy(bool busy);

    GridEditor& m_editor;
    GridAccessibility& m_notices;
    GridGivens m_givens;
    GridStatePane m_statePane;
    PuzzleMaker m_maker;
    bool m_bBusy = false; // the grid waits for a puzzle: it takes no edits, and the pointer says so
};
