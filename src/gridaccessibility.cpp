// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridaccessibility.h"

#include "accessiblenotice.h"
#include "cellkeyfilter.h"
#include "framewnd.h"
#include "gridsize.h"
#include "resource.h"
#include "resources.h"
#include "stdcommands.h"

#include <QApplication>
#include <QLineEdit>

namespace {
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

GridAccessibility::GridAccessibility(std::function<QWidget*(int, int)> cellAt, std::function<CFrameWnd*()> frame)
    : m_cellAt(std::move(cellAt)), m_frame(std::move(frame))
{
    QWidget* firstCell = m_cellAt(0, 0);
    QWidget* form = firstCell ? firstCell->parentWidget() : nullptr;
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
                                   [this] { EndNotice(); }, form);
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            QWidget* cell = m_cellAt(row, col);
            if (!cell)
                continue;
            cell->setAccessibleName(QStringLiteral("Ligne %1, colonne %2, carré %3")
                                        .arg(row + 1)
                                        .arg(col + 1)
                                        .arg(row / kBoxSize * kBoxSize + col / kBoxSize + 1));
            keys->Watch(cell);
        }
    }
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
    if (m_pNotice)
        m_pNotice->Announce(notice);
    m_bNoticeShown = true;
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
