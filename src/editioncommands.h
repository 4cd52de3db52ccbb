// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clipboardtext.h"
#include "cmdtarget.h"
#include "gridstep.h"

class CWnd;
class GridEditor;
class GridAccessibility;
class QUndoCommand;
class QUndoStack;

// The Edition menu's commands on the grid (Annuler, Rétablir, Couper, Copier, Coller) and Print.
// The view asks it for the commands that its own map does not name, before the document. Annuler
// walks back the document's history: one step for each change of the grid that the view reports.
// While the view is disabled (a puzzle being made), the commands that change the grid are too.
class EditionCommands : public CCmdTarget
{
public:
    // notices tells what a paste found, as it tells the reason of a refused digit, and screen readers
    // what became of the grid.
    EditionCommands(GridEditor& editor, GridAccessibility& notices);

    // A change that the view has made to the grid: one step for Annuler.
    void RecordStep(const GridStep& step);
    // A new grid is in place (New, Open): nothing before it can be taken back.
    void ClearHistory();

protected:
    void OnEditUndo();
    void OnEditRedo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnFilePrint();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    void AnnounceStep(const QUndoCommand* command, const CWnd* focusBefore, UINT nIDChange);
    void PutGrid(const GridCells& cells);
    void TypeDigit(int digit);

    GridEditor& m_editor;
    GridAccessibility& m_notices;
    bool m_bReplaying = false; // Annuler or Rétablir puts the cells back: no new step
};
