// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridaccessibility.h"

#include "accessiblegrid.h"
#include "accessiblenotice.h"
#include "cellkeyfilter.h"
#include "framewnd.h"
#include "gridsize.h"
#include "resource.h"
#include "resources.h"
#include "stdcommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>

namespace {
// Keys that speak the focused cell's row, column or box, or the grid's state; Orca's own commands
// all take its Orca key (Insert or Caps Lock), the keypad or F keys, so these are free in both of
// its layouts.
const char kRowKey[] = "Ctrl+Shift+L";
const char kColumnKey[] = "Ctrl+Shift+K";
const char kBoxKey[] = "Ctrl+Shift+B";
const char kStateKey[] = "Ctrl+Shift+G";

UINT RefusalReason(Placement::Verdict verdict)
{
    switch (verdict) {
    case Placement::SameInRow:
        return IDS_REFUSED_IN_ROW;
    case Placement::SameInColumn:
        return IDS_REFUSED_IN_COLUMN;
    case Placement::SameInBox:
        return IDS_REFUSED_IN_BOX;
    default:
        return 0;
    }
}
} // namespace

GridAccessibility::GridAccessibility(std::function<QWidget*(int, int)> cellAt, std::function<int(int, int)> valueAt,
                                     std::function<CFrameWnd*()> frame)
    : m_cellAt(std::move(cellAt)), m_valueAt(std::move(valueAt)), m_frame(std::move(frame))
{
    QWidget* firstCell = m_cellAt(0, 0);
    QWidget* form = firstCell ? firstCell->parentWidget() : nullptr;
    if (!form)
        return;
    // Beside the form, which screen readers know as a table of cells alone.
    m_pNotice = new AccessibleNotice(form->parentWidget());
    auto* keys = new CellKeyFilter([this](QWidget* cell, int dRow, int dCol) { MoveFocus(cell, dRow, dCol); },
                                   [this] { EndNotice(); }, form);
    std::vector<std::vector<QLineEdit*>> cells(kGridSize);
    bool complete = true;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            auto* cell = qobject_cast<QLineEdit*>(m_cellAt(row, col));
            complete = complete && cell;
            if (!cell)
                continue;
            cells[static_cast<std::size_t>(row)].push_back(cell);
            keys->Watch(cell);
        }
    }
    if (complete) {
        AccessibleGrid::Words words{
            AfxLoadString(IDS_GRID_NAME),
            [this](int row, int col) { return CellName(row, col); },
            [](int row) { return AfxLoadString(IDS_ROW_NAME).arg(row + 1); },
            [](int col) { return AfxLoadString(IDS_COLUMN_NAME).arg(col + 1); },
        };
        m_pGrid = new AccessibleGrid(form, std::move(cells), std::move(words));
    }
    const std::pair<const char*, std::function<void()>> overviews[] = {
        {kRowKey, [this] { SpeakUnit(GridUnit::Row); }},
        {kColumnKey, [this] { SpeakUnit(GridUnit::Column); }},
        {kBoxKey, [this] { SpeakUnit(GridUnit::Box); }},
        {kStateKey, [this] { SpeakState(); }},
    };
    for (const auto& [key, speak] : overviews) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), form);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, form, speak);
    }
}

QString GridAccessibility::CellName(int row, int col) const
{
    const auto* cell = qobject_cast<const QLineEdit*>(m_cellAt(row, col));
    // A given is a cell that takes no typing.
    const bool given = cell && cell->isReadOnly();
    return CellWords(m_valueAt(row, col), given) + QStringLiteral(", ") + CellPlace(row, col);
}

void GridAccessibility::TellRefusal(int value, const Placement& placement)
{
    const UINT reason = RefusalReason(placement.verdict);
    if (reason == 0)
        return;
    QString notice = AfxLoadString(reason).arg(value);
    if (placement.verdict == Placement::SameInColumn)
        notice = notice.arg(placement.conflictRow + 1);
    Tell(notice);
}

void GridAccessibility::Tell(const QString& notice)
{
    if (CFrameWnd* frame = m_frame())
        frame->SetMessageText(notice);
    Announce(notice);
}

void GridAccessibility::Announce(const QString& notice)
{
    if (m_pNotice)
        m_pNotice->Announce(notice);
    m_bNoticeShown = true;
}

void GridAccessibility::AnnounceGrid(UINT nIDChange)
{
    std::uint8_t grid[kGridSize][kGridSize];
    ReadGrid(grid);
    Announce(AfxLoadString(nIDChange).arg(DigitCount(FilledCells(grid))));
}

void GridAccessibility::AnnounceFocusedCell()
{
    int row;
    int col;
    if (FocusedCell(row, col))
        Announce(CellName(row, col));
}

void GridAccessibility::EndNotice()
{
    if (!m_bNoticeShown)
        return;
    if (CFrameWnd* frame = m_frame())
        frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (m_pNotice)
        m_pNotice->Withdraw();
    m_bNoticeShown = false;
}

void GridAccessibility::SetStateText(std::function<QString()> stateText)
{
    m_stateText = std::move(stateText);
}

// Steps from the cell to its neighbour, as a Tab does, so that a digit typed next replaces the
// neighbour's; at the grid's edge the focus stays.
void GridAccessibility::MoveFocus(QWidget* cell, int dRow, int dCol)
{
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (m_cellAt(row, col) != cell)
                continue;
            const int toRow = row + dRow;
            const int toCol = col + dCol;
            if (toRow < 0 || toRow >= kGridSize || toCol < 0 || toCol >= kGridSize)
                return;
            if (QWidget* next = m_cellAt(toRow, toCol))
                next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// An overview key is a key like any other: it ends the notice before it, then tells its own.
void GridAccessibility::SpeakUnit(GridUnit unit)
{
    int row;
    int col;
    if (!FocusedCell(row, col))
        return;
    std::uint8_t grid[kGridSize][kGridSize];
    ReadGrid(grid);
    EndNotice();
    Announce(UnitWords(grid, unit, row, col));
}

void GridAccessibility::SpeakState()
{
    std::uint8_t grid[kGridSize][kGridSize];
    ReadGrid(grid);
    EndNotice();
    Announce(GridStateWords(grid, m_stateText ? m_stateText() : QString()));
}

void GridAccessibility::ReadGrid(std::uint8_t grid[9][9]) const
{
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            grid[row][col] = static_cast<std::uint8_t>(m_valueAt(row, col));
    }
}

bool GridAccessibility::FocusedCell(int& row, int& col) const
{
    const QWidget* focus = QApplication::focusWidget();
    if (!m_pGrid || !focus || AccessibleGrid::Of(focus) != m_pGrid || focus == m_pGrid->Form())
        return false;
    row = m_pGrid->RowOf(focus);
    col = m_pGrid->ColumnOf(focus);
    return true;
}
