// SPDX-License-Identifier: GPL-3.0-or-later

#include "ninegridview.h"

#include "accessiblenotice.h"
#include "cellkeyfilter.h"
#include "document.h"
#include "framewnd.h"
#include "gridfile.h"
#include "gridform.h"
#include "messagebeep.h"
#include "resource.h"
#include "stdcommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

#include <cstdio>
#include <string>

bool g_bSuppressCellChange = false;

namespace {
constexpr UINT kNoCell = 0xFFFFFFFF;

// The rules' diagnostics are single-byte text: 0xE9 is the "é".
void ReportConflict(const char* message)
{
    MessageBeep(MB_OK);
    std::fputs(message, stdout);
    std::fflush(stdout);
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

bool CNinegridView::CheckPlacement(int row, int col, BYTE value)
{
    if (value == 0)
        return true;
    for (int j = 0; j < 9; ++j) {
        if (j != col && m_grid[row][j] == value) {
            ReportConflict("valeur trouv\xE9"
                           "e dans ligne");
            m_strConflict = QStringLiteral("déjà dans la ligne");
            return false;
        }
    }
    for (int i = 0; i < 9; ++i) {
        if (i != row && m_grid[i][col] == value) {
            char message[64];
            std::snprintf(message, sizeof message,
                          "valeur trouv\xE9"
                          "e dans colonne [%d, %d]",
                          i, col);
            ReportConflict(message);
            m_strConflict = QStringLiteral("déjà dans la colonne (ligne %1)").arg(i + 1);
            return false;
        }
    }
    const int i0 = row / 3 * 3;
    const int j0 = col / 3 * 3;
    for (int i = i0; i < i0 + 3; ++i) {
        for (int j = j0; j < j0 + 3; ++j) {
            if ((i != row || j != col) && m_grid[i][j] == value) {
                ReportConflict("valeur trouv\xE9"
                               "e dans carr\xE9 (3x3)");
                m_strConflict = QStringLiteral("déjà dans le carré");
                return false;
            }
        }
    }
    return true;
}

void CNinegridView::FindCell(UINT id, int& row, int& col) const
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            if (m_cellIds[i][j] == id) {
                row = i;
                col = j;
                return;
            }
        }
    }
    row = 9;
    col = 9;
}

bool CNinegridView::SetCellValue(UINT id, BYTE value)
{
    int row;
    int col;
    FindCell(id, row, col);
    if (row > 8 || col > 8)
        return false;
    if (!CheckPlacement(row, col, value))
        return false;
    if (m_grid[row][col] != value) {
        m_grid[row][col] = value;
        if (CDocument* document = GetDocument())
            document->SetModifiedFlag();
    }
    return true;
}

// The first update maps the cells; every later one (File > New) empties the grid and keeps the map.
// A grid that the framework read from the document's file is shown instead of an empty one.
void CNinegridView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
    ResizeParentToFit(TRUE);
    if (!m_bCellIdsBuilt) {
        BuildCellMap();
        DescribeCells();
    } else if (!m_gridToShow)
        ClearGrid();
    if (m_gridToShow) {
        ShowGridBlock(m_gridToShow->data());
        m_gridToShow.reset();
    }
}

void CNinegridView::OnFileSave()
{
    char szData[kGridBlockSize];
    BuildGridBlock(m_grid, szData);
    if (WriteGridFile(szData) && GetDocument())
        GetDocument()->SetModifiedFlag(FALSE);
}

// A changed grid is only replaced once the user has been asked, when the file has been read. Saved
// just then into the very file chosen, the grid is what that file now holds.
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
    if (document)
        document->SetModifiedFlag(FALSE);
}

// The file's digits stand as they are, without the rules: a grid may hold a digit twice.
void CNinegridView::ShowGridBlock(const char szData[kGridBlockSize])
{
    g_bSuppressCellChange = true;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const BYTE value = GridBlockValue(szData, i, j);
            if (value != 0)
                SetDlgItemInt(static_cast<int>(m_cellIds[i][j]), value);
            else
                SetDlgItemText(static_cast<int>(m_cellIds[i][j]), "");
            m_grid[i][j] = value;
        }
    }
    g_bSuppressCellChange = false;
}

void CNinegridView::SetGridToShow(const char szData[kGridBlockSize])
{
    m_gridToShow.emplace();
    std::copy(szData, szData + kGridBlockSize, m_gridToShow->begin());
}

// Walks the form's tab order from control 1000: the k-th tab stop is the cell of position k, row by
// row, whatever its ID.
void CNinegridView::BuildCellMap()
{
    UINT id = 1000;
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

// Names each cell by its place for screen readers, and gives the grid's cells their keys: the arrows
// move among them, and every key ends the notice of a refused digit.
void CNinegridView::DescribeCells()
{
    CWnd* firstCell = GetDlgItem(static_cast<int>(m_cellIds[0][0]));
    QWidget* form = firstCell ? firstCell->GetSafeHwnd()->parentWidget() : nullptr;
    if (!form)
        return;
    form->setAccessibleName(QStringLiteral("Grille"));
    // Qt 6.4's edits give screen readers no text attributes, and Orca then leaves a cell's text out
    // when the cell gets the focus: its description carries the digit, set before the focus event.
    QObject::connect(qApp, &QApplication::focusChanged, form, [form](QWidget*, QWidget* now) {
        if (auto* cell = qobject_cast<QLineEdit*>(now); cell && cell->parentWidget() == form)
            cell->setAccessibleDescription(cell->text().isEmpty() ? QStringLiteral("vide")
                                                                  : QStringLiteral("chiffre %1").arg(cell->text()));
    });
    m_pNotice = new AccessibleNotice(form);
    auto* keys = new CellKeyFilter([this](QWidget* cell, int dRow, int dCol) { MoveFocus(cell, dRow, dCol); },
                                   [this] { EndRefusalNotice(); }, form);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            CWnd* cell = GetDlgItem(static_cast<int>(m_cellIds[row][col]));
            if (!cell)
                continue;
            cell->GetSafeHwnd()->setAccessibleName(QStringLiteral("Ligne %1, colonne %2, carré %3")
                                                       .arg(row + 1)
                                                       .arg(col + 1)
                                                       .arg(row / 3 * 3 + col / 3 + 1));
            cell->GetSafeHwnd()->installEventFilter(keys);
        }
    }
}

void CNinegridView::ClearGrid()
{
    g_bSuppressCellChange = true;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            m_grid[row][col] = 0;
            SetDlgItemText(static_cast<int>(m_cellIds[row][col]), "");
        }
    }
    g_bSuppressCellChange = false;
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
    g_bSuppressCellChange = true;

    const int n = GetDlgItemInt(ctrlId);
    if (n >= 1 && n <= 9) {
        if (SetCellValue(static_cast<UINT>(ctrlId), static_cast<BYTE>(n))) {
            SetDlgItemInt(ctrlId, n);
            FocusNextCell(ctrlId);
        } else {
            ShowStoredValue(ctrlId);
            FocusCell(ctrlId);
            AnnounceRefusal(n);
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

    g_bSuppressCellChange = false;
}

// A refused digit leaves the cell's stored value as it was; the cell shows that value again, so
// that what the user sees is what the grid holds.
void CNinegridView::ShowStoredValue(int ctrlId)
{
    int row;
    int col;
    FindCell(static_cast<UINT>(ctrlId), row, col);
    const BYTE stored = row > 8 ? 0 : m_grid[row][col];
    if (stored != 0)
        SetDlgItemInt(ctrlId, stored);
    else
        SetDlgItemText(ctrlId, "");
}

// The reason goes to the status bar and to screen readers, until the next key.
void CNinegridView::AnnounceRefusal(int value)
{
    const QString notice = QStringLiteral("%1 refusé : %2").arg(value).arg(m_strConflict);
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetMessageText(notice);
    if (m_pNotice)
        m_pNotice->Announce(notice);
    m_bRefusalShown = true;
}

void CNinegridView::EndRefusalNotice()
{
    if (!m_bRefusalShown)
        return;
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (m_pNotice)
        m_pNotice->Withdraw();
    m_bRefusalShown = false;
}

// Steps from the cell to its neighbour, as a Tab does, so that a digit typed next replaces the
// neighbour's; at the grid's edge the focus stays.
void CNinegridView::MoveFocus(QWidget* cell, int dRow, int dCol)
{
    const CWnd* wnd = CWnd::FromHandlePermanent(cell);
    int row = 9;
    int col = 9;
    if (wnd)
        FindCell(static_cast<UINT>(wnd->GetDlgCtrlID()), row, col);
    const int toRow = row + dRow;
    const int toCol = col + dCol;
    if (row > 8 || toRow < 0 || toRow > 8 || toCol < 0 || toCol > 8)
        return;
    if (CWnd* next = GetDlgItem(static_cast<int>(m_cellIds[toRow][toCol])))
        next->GetSafeHwnd()->setFocus(Qt::TabFocusReason);
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
