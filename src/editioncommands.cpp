// SPDX-License-Identifier: GPL-3.0-or-later

#include "editioncommands.h"

#include "cmdui.h"
#include "document.h"
#include "framewnd.h"
#include "gridaccessibility.h"
#include "grideditor.h"
#include "gridprinter.h"
#include "gridstepcommand.h"
#include "messagebeep.h"
#include "messagebox.h"
#include "printdialog.h"
#include "resource.h"
#include "resources.h"
#include "stdcommands.h"
#include "view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace {
QString ConflictNotice(const GridConflict& conflict)
{
    static const UINT notices[] = {IDS_PASTE_TWICE_IN_ROW, IDS_PASTE_TWICE_IN_COLUMN, IDS_PASTE_TWICE_IN_BOX};
    return AfxLoadString(notices[conflict.unit]).arg(conflict.digit).arg(conflict.index + 1);
}
} // namespace

const AFX_MSGMAP* EditionCommands::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* EditionCommands::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CCmdTarget::GetThisMessageMap,
                                {
                                    MapCommand(ID_EDIT_UNDO, &EditionCommands::OnEditUndo),
                                    MapCommand(ID_EDIT_REDO, &EditionCommands::OnEditRedo),
                                    MapCommand(ID_EDIT_CUT, &EditionCommands::OnEditCut),
                                    MapCommand(ID_EDIT_COPY, &EditionCommands::OnEditCopy),
                                    MapCommand(ID_EDIT_PASTE, &EditionCommands::OnEditPaste),
                                    MapCommand(ID_FILE_PRINT, &EditionCommands::OnFilePrint),
                                    MapUpdateCommandUI(ID_EDIT_UNDO, &EditionCommands::OnUpdateEditUndo),
                                    MapUpdateCommandUI(ID_EDIT_REDO, &EditionCommands::OnUpdateEditRedo),
                                    MapUpdateCommandUI(ID_EDIT_CUT, &EditionCommands::OnUpdateEditCut),
                                    MapUpdateCommandUI(ID_EDIT_PASTE, &EditionCommands::OnUpdateEditPaste),
                                }};
    return &map;
}

// The Paste button follows the clipboard, which other programs change too.
EditionCommands::EditionCommands(GridEditor& editor, GridAccessibility& notices) : m_editor(editor), m_notices(notices)
{
    CView& view = editor.GetGridView();
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, view.GetSafeHwnd(), [&view] {
        if (CFrameWnd* frame = view.GetParentFrame())
            frame->UpdateControlBars();
    });
}

void EditionCommands::RecordStep(const GridStep& step)
{
    if (QUndoStack* history = m_editor.GetHistory(); history && !m_bReplaying)
        history->push(new GridStepCommand(m_editor, step));
}

void EditionCommands::ClearHistory()
{
    if (QUndoStack* history = m_editor.GetHistory())
        history->clear();
}

void EditionCommands::OnEditUndo()
{
    const QScopedValueRollback<bool> replaying(m_bReplaying, true);
    QUndoStack* history = m_editor.GetHistory();
    if (!history || !history->canUndo())
        return;
    const CWnd* focus = CWnd::GetFocus();
    history->undo();
    AnnounceStep(history->command(history->index()), focus, IDS_GRID_UNDONE);
}

void EditionCommands::OnEditRedo()
{
    const QScopedValueRollback<bool> replaying(m_bReplaying, true);
    QUndoStack* history = m_editor.GetHistory();
    if (!history || !history->canRedo())
        return;
    const CWnd* focus = CWnd::GetFocus();
    history->redo();
    AnnounceStep(history->command(history->index() - 1), focus, IDS_GRID_REDONE);
}

// A step of more than one cell changed the grid as a whole: screen readers hear of it, with nIDChange.
// A single cell's change is heard with the cell: from the cell itself when it had the focus, else
// from a notice once the focus has gone there.
void EditionCommands::AnnounceStep(const QUndoCommand* command, const CWnd* focusBefore, UINT nIDChange)
{
    const auto* step = dynamic_cast<const GridStepCommand*>(command);
    if (step && step->CellCount() > 1)
        m_notices.AnnounceGrid(nIDChange);
    else if (CWnd::GetFocus() != focusBefore)
        m_notices.AnnounceFocusedCell();
}

void EditionCommands::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    const QUndoStack* history = m_editor.GetHistory();
    pCmdUI->Enable(m_editor.GetGridView().IsWindowEnabled() && history && history->canUndo());
}

void EditionCommands::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    const QUndoStack* history = m_editor.GetHistory();
    pCmdUI->Enable(m_editor.GetGridView().IsWindowEnabled() && history && history->canRedo());
}

void EditionCommands::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_editor.GetGridView().IsWindowEnabled());
}

void EditionCommands::OnEditCut()
{
    OnEditCopy();
    PutGrid(GridCells{});
    m_notices.AnnounceGrid(IDS_GRID_CUT);
}

void EditionCommands::OnEditCopy()
{
    QGuiApplication::clipboard()->setText(GridLine(m_editor.GetGrid()));
}

// A single digit is typed into the focused cell as its key would be; a grid replaces the grid, unless
// it breaks the rules.
void EditionCommands::OnEditPaste()
{
    m_notices.EndNotice();
    const PastedText pasted = ReadPastedText(QGuiApplication::clipboard()->text());
    switch (pasted.kind) {
    case PastedText::Digit:
        TypeDigit(pasted.digit);
        break;
    case PastedText::Grid:
        if (const std::optional<GridConflict> conflict = FirstConflict(pasted.cells)) {
            MessageBeep(MB_OK);
            m_notices.Tell(ConflictNotice(*conflict));
        } else {
            PutGrid(pasted.cells);
            m_notices.AnnounceGrid(IDS_GRID_PASTED);
        }
        break;
    case PastedText::NoGrid:
        m_notices.Tell(AfxLoadString(IDS_PASTE_NO_GRID));
        break;
    }
}

void EditionCommands::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    pCmdUI->Enable(m_editor.GetGridView().IsWindowEnabled() && data && data->hasText());
}

void EditionCommands::OnFilePrint()
{
    const QString title =
        m_editor.GetGridView().GetDocument() ? m_editor.GetGridView().GetDocument()->GetTitle() : QString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, m_editor.GetGridView().GetSafeHwnd()->window());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (!RunPrintDialog(dialog))
        return;
    if (!PrintGrid(printer, title, m_editor.GetGrid())) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        AfxMessageBox(QStringLiteral("Impossible d'imprimer la grille sur « %1 ».").arg(target));
    }
}

void EditionCommands::PutGrid(const GridCells& cells)
{
    std::vector<CellValue> values;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            values.push_back({row, col, cells[static_cast<std::size_t>(row * kGridSize + col)]});
    }
    m_editor.PutCells(values);
}

// The digit goes where a key would put it, in place of the selection or at the caret, so that the
// rules, the beep, standard output and the focus are the key's; a given's cell takes no key.
void EditionCommands::TypeDigit(int digit)
{
    int row;
    int col;
    auto* cell = m_editor.GetFocusedCell(row, col) ? qobject_cast<QLineEdit*>(m_editor.GetCell(row, col)->GetSafeHwnd())
                                                   : nullptr;
    if (cell && !cell->isReadOnly())
        cell->insert(QString::number(digit));
}
