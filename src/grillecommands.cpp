// SPDX-License-Identifier: GPL-3.0-or-later

#include "grillecommands.h"

#include "cmdui.h"
#include "document.h"
#include "framewnd.h"
#include "gridaccessibility.h"
#include "grideditor.h"
#include "gridhint.h"
#include "resource.h"
#include "resources.h"
#include "sudokusolver.h"
#include "view.h"
#include "winapp.h"

#include <QCursor>
#include <QGuiApplication>
#include <QUndoStack>

#include <random>

namespace {
// Rows, columns and boxes are counted from 1, as the cells' names count them.
QString HintReason(const GridHint& hint)
{
    switch (hint.kind) {
    case HintKind::NakedSingle:
        return AfxLoadString(IDS_HINT_ONLY_DIGIT).arg(hint.row + 1).arg(hint.col + 1);
    case HintKind::HiddenSingleInRow:
        return AfxLoadString(IDS_HINT_ONLY_PLACE_IN_ROW).arg(int(hint.digit)).arg(hint.unit + 1);
    case HintKind::HiddenSingleInColumn:
        return AfxLoadString(IDS_HINT_ONLY_PLACE_IN_COLUMN).arg(int(hint.digit)).arg(hint.unit + 1);
    case HintKind::HiddenSingleInBox:
        return AfxLoadString(IDS_HINT_ONLY_PLACE_IN_BOX).arg(int(hint.digit)).arg(hint.unit + 1);
    case HintKind::FromSolution:
        return AfxLoadString(IDS_HINT_FROM_SOLUTION).arg(hint.row + 1).arg(hint.col + 1);
    case HintKind::None:
        break;
    }
    switch (hint.solutions) {
    case 0:
        return AfxLoadString(IDS_HINT_NO_SOLUTION);
    case 1:
        return AfxLoadString(IDS_GRID_ALREADY_COMPLETE);
    default:
        return AfxLoadString(IDS_HINT_SEVERAL_SOLUTIONS);
    }
}
} // namespace

const AFX_MSGMAP* GrilleCommands::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* GrilleCommands::GetThisMessageMap()
{
    static const AFX_MSGMAP map{
        &CCmdTarget::GetThisMessageMap,
        {
            MapCommandRange(ID_NEW_PUZZLE_SIMPLE, ID_NEW_PUZZLE_EXPERT, &GrilleCommands::OnNewPuzzle),
            MapCommand(ID_GRID_HINT, &GrilleCommands::OnHint),
            MapCommand(ID_GRID_SOLVE, &GrilleCommands::OnSolve),
            MapCommand(ID_GRID_FREEZE_GIVENS, &GrilleCommands::OnFreezeGivens),
            MapUpdateCommandUI(ID_NEW_PUZZLE_SIMPLE, &GrilleCommands::OnUpdateNewPuzzle),
            MapUpdateCommandUI(ID_NEW_PUZZLE_EASY, &GrilleCommands::OnUpdateNewPuzzle),
            MapUpdateCommandUI(ID_NEW_PUZZLE_INTERMEDIATE, &GrilleCommands::OnUpdateNewPuzzle),
            MapUpdateCommandUI(ID_NEW_PUZZLE_EXPERT, &GrilleCommands::OnUpdateNewPuzzle),
            MapUpdateCommandUI(ID_GRID_HINT, &GrilleCommands::OnUpdateGridCommand),
            MapUpdateCommandUI(ID_GRID_SOLVE, &GrilleCommands::OnUpdateGridCommand),
            MapUpdateCommandUI(ID_GRID_FREEZE_GIVENS, &GrilleCommands::OnUpdateFreezeGivens),
        }};
    return &map;
}

GrilleCommands::GrilleCommands(GridEditor& editor, GridAccessibility& notices)
    : m_editor(editor), m_notices(notices), m_givens(editor), m_statePane(editor.GetGridView(), notices),
      m_maker([this](const PuzzleCells& puzzle) { PuzzleMade(puzzle); })
{
    m_notices.SetStateText([this] { return m_statePane.Text(); });
}

GrilleCommands::~GrilleCommands()
{
    m_notices.SetStateText({});
    if (m_bBusy)
        QGuiApplication::restoreOverrideCursor();
}

void GrilleCommands::GridChanged()
{
    m_statePane.Update(m_editor.GetGrid());
}

void GrilleCommands::GridReplaced()
{
    m_maker.Cancel();
    ShowBusy(false);
    if (m_givens.AreFixed())
        m_givens.Release();
    m_statePane.Update(m_editor.GetGrid());
}

// The grid is replaced as File > New replaces it, the user asked first, before the puzzle is made:
// while it is, the grid is empty and takes no edits. New or Open meanwhile replace it again, and the
// puzzle is dropped when it comes.
void GrilleCommands::OnNewPuzzle(UINT nID)
{
    CWinApp* app = AfxGetApp();
    if (m_maker.IsWorking() || !app || !app->SaveAllModified() || !app->OpenDocumentFile(QString()))
        return;
    m_maker.Start(static_cast<PuzzleGrade>(nID - ID_NEW_PUZZLE_SIMPLE), std::random_device()());
    ShowBusy(true);
}

void GrilleCommands::OnUpdateNewPuzzle(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_maker.IsWorking());
}

// The new grid's history starts with the puzzle, which counts as unchanged until the user types.
void GrilleCommands::PuzzleMade(const PuzzleCells& puzzle)
{
    ShowBusy(false);
    std::vector<CellValue> values;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            values.push_back({row, col, puzzle.cells[row][col]});
    }
    m_editor.PutCells(values);
    m_givens.Fix();
    if (QUndoStack* history = m_editor.GetHistory())
        history->clear();
    m_notices.AnnounceGrid(IDS_GRID_PUZZLE_MADE);
    for (int cell = 0; cell < kGridSize * kGridSize; ++cell) {
        if (m_editor.GetGrid()[cell / kGridSize][cell % kGridSize] == 0) {
            m_editor.FocusCellAt(cell / kGridSize, cell % kGridSize);
            break;
        }
    }
}

void GrilleCommands::OnHint()
{
    m_notices.EndNotice();
    const GridHint hint = FindHint(m_editor.GetGrid());
    if (hint.kind != HintKind::None) {
        m_editor.PutCells({{hint.row, hint.col, hint.digit}});
        m_editor.FocusCellAt(hint.row, hint.col);
    }
    m_notices.Tell(HintReason(hint));
}

void GrilleCommands::OnSolve()
{
    m_notices.EndNotice();
    BYTE solution[kGridSize][kGridSize];
    switch (SolveGrid(m_editor.GetGrid(), solution)) {
    case 0:
        m_notices.Tell(AfxLoadString(IDS_SOLVE_NO_SOLUTION));
        return;
    case 1:
        break;
    default:
        m_notices.Tell(AfxLoadString(IDS_SOLVE_SEVERAL_SOLUTIONS));
        return;
    }
    if (IsGridComplete(m_editor.GetGrid())) {
        m_notices.Tell(AfxLoadString(IDS_GRID_ALREADY_COMPLETE));
        return;
    }
    std::vector<CellValue> values;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            values.push_back({row, col, solution[row][col]});
    }
    m_editor.PutCells(values);
}

void GrilleCommands::OnUpdateGridCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bBusy);
}

// A puzzle of one's own starts here, as a generated one does: its history begins with its givens,
// so that Annuler never reaches a step that changed one. The file has no place for givens, so the
// document stays as modified as it was.
void GrilleCommands::OnFreezeGivens()
{
    if (m_givens.AreFixed()) {
        m_givens.Release();
        return;
    }
    m_givens.Fix();
    QUndoStack* history = m_editor.GetHistory();
    if (!history)
        return;
    const bool modified = m_editor.GetGridView().GetDocument()->IsModified();
    history->clear();
    if (modified)
        history->resetClean();
}

void GrilleCommands::OnUpdateFreezeGivens(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bBusy);
    pCmdUI->SetCheck(m_givens.AreFixed());
}

// The busy pointer is the application's: the window goes on, the grid waits, and so do the toolbar's
// buttons that would change it.
void GrilleCommands::ShowBusy(bool busy)
{
    if (busy == m_bBusy)
        return;
    m_bBusy = busy;
    m_editor.GetGridView().EnableWindow(!busy);
    if (CFrameWnd* frame = m_editor.GetGridView().GetParentFrame())
        frame->UpdateControlBars();
    if (busy) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
        m_editor.GetGridView().SetFocus();
    }
}
