// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridgivens.h"

#include "dialogtemplate.h"
#include "grideditor.h"
#include "view.h"

#include <QFont>
#include <QWidget>

GridGivens::GridGivens(GridEditor& editor) : m_editor(editor)
{}

void GridGivens::Fix()
{
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (m_editor.GetGrid()[row][col] != 0)
                SetGiven(row, col, true);
        }
    }
    m_bFixed = true;
}

void GridGivens::Release()
{
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            SetGiven(row, col, false);
    }
    m_bFixed = false;
}

// The bold font sets the weight alone: the cell keeps the form's font, size and family.
void GridGivens::SetGiven(int row, int col, bool given)
{
    CWnd* cell = m_editor.GetCell(row, col);
    if (!cell)
        return;
    if (given)
        cell->ModifyStyle(WS_TABSTOP, ES_READONLY);
    else
        cell->ModifyStyle(ES_READONLY, WS_TABSTOP);
    QFont font;
    if (given)
        font.setBold(true);
    cell->GetSafeHwnd()->setFont(font);
}
