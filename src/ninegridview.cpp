// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegridview.h"

#include "archive.h"
#include "document.h"
#include "editioncommands.h"
#include "framewnd.h"
#include "gridaccessibility.h"
#include "gridfile.h"
#include "gridform.h"
#include "grillecommands.h"
#include "messagebeep.h"
#include "ninegriddoc.h"
#include "resource.h"
#include "resources.h"

#include <QFileInfo>

#include <cstdio>
#include <string>

bool g_bSuppressCellChange = false;

namespace {
constexpr UINT kNoCell = 0xFFFFFFFF;

// Holds g_bSuppressCellChange set while the program writes cell texts.
class CellChangeSuppressed
{
public:
    CellChangeSuppressed() : m_bWasSuppressed(g_bSuppressCellChange) { g_bSuppressCellChange = true; }
    ~CellChangeSuppressed() { g_bSuppressCellChange = m_bWasSuppressed; }
    CellChangeSuppressed(const CellChangeSuppressed&) = delete;
    CellChangeSuppressed& operator=(const CellChangeSuppressed&) = delete;

private:
    bool m_bWasSuppressed;
};

// The rules' diagnostics are single-byte text: 0xE9 is the "é".
Placement ReportConflict(const char* message, Placement::Verdict verdict, int conflictRow = -1)
{
    MessageBeep(MB_OK);
    std::fputs(message, stdout);
    std::fflush(stdout);
    return {verdict, conflictRow};
}
} // namespace

const AFX_MSGMAP* CNinegridView::GetMessageMap() const
{
    return GetThisMessageMap();
}

// Save and Open are the view's; every cell of the form reports its text changes to OnEnChangeCell.
const AFX_MSGMAP* CNinegridView::GetThisMessageMap()
{
    static const AFX_MSGMAP map{
        &CFormView::GetThisMessageMap, [] {
            std::vector<AFX_MSGMAP_ENTRY> entries{
                MapCommand(ID_FILE_SAVE, &CNinegridView::OnFileSave),
                MapCommand(ID_FILE_OPEN, &CNinegridView::OnFileOpen),
            };
            for (const DialogItemTemplate& cell : gridFormTemplate.items)
                entries.push_back(MapNotify(EN_CHANGE, static_cast<UINT>(cell.id), &CNinegridView::OnEnChangeCell));
            return entries;
        }()};
    return &map;
}

CNinegridView::CNinegridView() : CFormView(IDD_GRID_FORM), m_grid{}, m_bCellIdsBuilt(false)
{
    for (auto& row : m_cellIds) {
        for (UINT& id : row)
            id = kNoCell;
    }
}

CNinegridView::~CNinegridView() = default;

Placement CNinegridView::CheckPlacement(int row, int col, BYTE value)
{
    if (value == 0)
        return {};
    for (int j = 0; j < kGridSize; ++j) {
        if (j != col && m_grid[row][j] == value)
            return ReportConflict("valeur trouv\xE9"
                                  "e dans ligne",
                                  Placement::SameInRow);
    }
    for (int i = 0; i < kGridSize; ++i) {
        if (i != row && m_grid[i][col] == value) {
            char message[64];
            std::snprintf(message, sizeof message,
                          "valeur trouv\xE9"
                          "e dans colonne [%d, %d]",
                          i, col);
            return ReportConflict(message, Placement::SameInColumn, i);
        }
    }
    const int i0 = row / kBoxSize * kBoxSize;
    const int j0 = col / kBoxSize * kBoxSize;
    for (int i = i0; i < i0 + kBoxSize; ++i) {
        for (int j = j0; j < j0 + kBoxSize; ++j) {
            if ((i != row || j != col) && m_grid[i][j] == value)
                return ReportConflict("valeur trouv\xE9"
                                      "e dans carr\xE9 (3x3)",
                                      Placement::SameInBox);
        }
    }
    return {};
}

void CNinegridView::FindCell(UINT id, int& row, int& col) const
{
    for (int i = 0; i < kGridSize; ++i) {
        for (int j = 0; j < kGridSize; ++j) {
            if (m_cellIds[i][j] == id) {
                row = i;
                col = j;
                return;
            }
        }
    }
    row = kGridSize;
    col = kGridSize;
}

Placement CNinegridView::SetCellValue(UINT id, BYTE value)
{
    int row;
    int col;
    FindCell(id, row, col);
    if (row >= kGridSize || col >= kGridSize)
        return {Placement::NoSuchCell};
    const Placement placement = CheckPlacement(row, col, value);
    if (!placement)
        return placement;
    if (const BYTE before = m_grid[row][col]; before != value) {
        m_grid[row][col] = value;
        if (CDocument* document = GetDocument())
            document->SetModifiedFlag();
        ReportStep({{row, col, before, value}});
    }
    return placement;
}

// The first update maps the cells; every later one (File > New) empties the grid and keeps the map.
// A grid that the framework read from the document's file is shown instead of an empty one. Either
// way the grid's history starts afresh, and screen readers hear of the new grid.
void CNinegridView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
    ResizeParentToFit(TRUE);
    if (!m_bCellIdsBuilt) {
        BuildCellMap();
        m_pAccessibility = std::make_unique<GridAccessibility>(
            [this](int row, int col) {
                const CWnd* cell = GetDlgItem(static_cast<int>(m_cellIds[row][col]));
                return cell ? cell->GetSafeHwnd() : nullptr;
            },
            [this](int row, int col) { return m_grid[row][col]; }, [this] { return GetParentFrame(); });
        m_pEdition = std::make_unique<EditionCommands>(*this, *m_pAccessibility);
        m_pGrille = std::make_unique<GrilleCommands>(*this, *m_pAccessibility);
    } else if (!m_gridToShow) {
        ClearGrid();
        m_pAccessibility->Announce(AfxLoadString(IDS_GRID_EMPTIED));
    }
    if (m_gridToShow) {
        ShowGridBlock(m_gridToShow->data());
        m_gridToShow.reset();
        m_pAccessibility->AnnounceGrid(IDS_GRID_OPENED);
    }
    m_pEdition->ClearHistory();
    m_pGrille->GridReplaced();
}

void CNinegridView::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.SetError(StoreGrid(*ar.GetFile(), m_grid));
        return;
    }
    char szData[kGridBlockSize];
    if (const QString reason = LoadGrid(*ar.GetFile(), szData); !reason.isEmpty()) {
        ar.SetError(reason);
        return;
    }
    m_gridToShow.emplace();
    std::copy(szData, szData + kGridBlockSize, m_gridToShow->begin());
}

void CNinegridView::OnFileSave()
{
    char szData[kGridBlockSize];
    BuildGridBlock(m_grid, szData);
    if (WriteGridFile(szData) && GetDocument())
        GetDocument()->SetModifiedFlag(FALSE);
}

// A changed grid is only replaced once the user has been asked, when the file has been read. Saved
// just then into the very file chosen, the grid is what that file now holds. Its history starts afresh,
// and screen readers hear of it.
void CNinegridView::OnFileOpen()
{
    char szData[kGridBlockSize];
    std::string chosen;
    if (!OpenGridFile(szData, &chosen))
        return;
    CDocument* document = GetDocument();
    const bool wasModified = document && document->IsModified();
    if (document && !document->SaveModified())
        return;
    const bool savedThere = wasModified && !document->IsModified() &&
                            QFileInfo(document->GetPathName()) == QFileInfo(QString::fromStdString(chosen));
    if (!savedThere)
        ShowGridBlock(szData);
    if (m_pAccessibility)
        m_pAccessibility->AnnounceGrid(IDS_GRID_OPENED);
    if (m_pEdition)
        m_pEdition->ClearHistory();
    if (m_pGrille)
        m_pGrille->GridReplaced();
    if (document)
        document->SetModifiedFlag(FALSE);
}

// The file's digits stand as they are, without the rules: a grid may hold a digit twice.
void CNinegridView::ShowGridBlock(const char szData[kGridBlockSize])
{
    const CellChangeSuppressed suppressed;
    for (int i = 0; i < kGridSize; ++i) {
        for (int j = 0; j < kGridSize; ++j) {
            const BYTE value = GridBlockValue(szData, i, j);
            if (value != 0)
                SetDlgItemInt(static_cast<int>(m_cellIds[i][j]), value);
            else
                SetDlgItemText(static_cast<int>(m_cellIds[i][j]), "");
            m_grid[i][j] = value;
        }
    }
}

// Walks the form's tab order from the first cell: the k-th tab stop is the cell of position k, row
// by row, whatever its ID.
void CNinegridView::BuildCellMap()
{
    UINT id = IDC_FIRST_CELL;
    for (auto& row : m_cellIds) {
        for (UINT& cellId : row) {
            cellId = id;
            CWnd* ctl = GetDlgItem(static_cast<int>(id));
            if (ctl)
                ctl = GetNextDlgTabItem(ctl, FALSE);
            id = ctl ? static_cast<UINT>(ctl->GetDlgCtrlID()) : kNoCell;
        }
    }
    m_bCellIdsBuilt = true;
}

void CNinegridView::ClearGrid()
{
    const CellChangeSuppressed suppressed;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            m_grid[row][col] = 0;
            SetDlgItemText(static_cast<int>(m_cellIds[row][col]), "");
        }
    }
}

void CNinegridView::OnEnChangeCell(UINT nID)
{
    OnCellChange(static_cast<int>(nID));
}

// Reduces the cell's new text to a digit the rules accept, or to nothing. An accepted digit, or a
// single space, moves the focus on to the next cell; anything else keeps it there.
void CNinegridView::OnCellChange(int ctrlId)
{
    if (g_bSuppressCellChange)
        return;
    const CellChangeSuppressed suppressed;

    const int n = GetDlgItemInt(ctrlId);
    if (n >= 1 && n <= kGridSize) {
        if (const Placement placement = SetCellValue(static_cast<UINT>(ctrlId), static_cast<BYTE>(n))) {
            SetDlgItemInt(ctrlId, n);
            FocusNextCell(ctrlId);
        } else {
            ShowStoredValue(ctrlId);
            FocusCell(ctrlId);
            if (m_pAccessibility)
                m_pAccessibility->TellRefusal(n, placement);
        }
    } else {
        const bool skip = GetDlgItemText(ctrlId) == QLatin1String(" ");
        SetCellValue(static_cast<UINT>(ctrlId), 0);
        SetDlgItemText(ctrlId, "");
        if (skip)
            FocusNextCell(ctrlId);
        else
            FocusCell(ctrlId);
    }
}

// A refused digit leaves the cell's stored value as it was; the cell shows that value again, so
// that what the user sees is what the grid holds.
void CNinegridView::ShowStoredValue(int ctrlId)
{
    int row;
    int col;
    FindCell(static_cast<UINT>(ctrlId), row, col);
    const BYTE stored = row >= kGridSize ? 0 : m_grid[row][col];
    if (stored != 0)
        SetDlgItemInt(ctrlId, stored);
    else
        SetDlgItemText(ctrlId, "");
}

void CNinegridView::FocusCell(int ctrlId)
{
    if (CWnd* cell = GetDlgItem(ctrlId))
        cell->SetFocus();
}

void CNinegridView::FocusNextCell(int ctrlId)
{
    if (CWnd* cell = GetDlgItem(ctrlId)) {
        if (CWnd* next = GetNextDlgTabItem(cell, FALSE))
            next->SetFocus();
    }
}

void CNinegridView::PutCells(const std::vector<CellValue>& values)
{
    GridStep step;
    {
        const CellChangeSuppressed suppressed;
        for (const CellValue& cell : values) {
            const BYTE before = m_grid[cell.row][cell.col];
            const int id = static_cast<int>(m_cellIds[cell.row][cell.col]);
            const CWnd* ctl = GetDlgItem(id);
            if (before == cell.value || (ctl && (ctl->GetStyle() & ES_READONLY)))
                continue;
            m_grid[cell.row][cell.col] = cell.value;
            ShowStoredValue(id);
            step.push_back({cell.row, cell.col, before, cell.value});
        }
    }
    if (!step.empty())
        ReportStep(step);
}

QUndoStack* CNinegridView::GetHistory() const
{
    auto* document = dynamic_cast<CNinegridDoc*>(GetDocument());
    return document ? &document->GetHistory() : nullptr;
}

CWnd* CNinegridView::GetCell(int row, int col) const
{
    return GetDlgItem(static_cast<int>(m_cellIds[row][col]));
}

bool CNinegridView::GetFocusedCell(int& row, int& col) const
{
    const CWnd* focus = CWnd::GetFocus();
    if (!focus)
        return false;
    FindCell(static_cast<UINT>(focus->GetDlgCtrlID()), row, col);
    return row < kGridSize;
}

void CNinegridView::FocusCellAt(int row, int col)
{
    FocusCell(static_cast<int>(m_cellIds[row][col]));
}

void CNinegridView::ReportStep(const GridStep& step)
{
    if (m_pEdition)
        m_pEdition->RecordStep(step);
    if (m_pGrille)
        m_pGrille->GridChanged();
}

// The view's own map, then the Edition and Print commands, then the Grille commands, then the document.
BOOL CNinegridView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    if (m_pEdition && m_pEdition->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    if (m_pGrille && m_pGrille->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    return GetDocument() && GetDocument()->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
}
