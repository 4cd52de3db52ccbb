// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridstepcommand.h"

#include "grideditor.h"
#include "view.h"

#include <algorithm>
#include <tuple>

GridStepCommand::GridStepCommand(GridEditor& editor, GridStep step) : m_editor(editor), m_step(std::move(step))
{}

void GridStepCommand::undo()
{
    Put(false);
}

void GridStepCommand::redo()
{
    if (m_bMade) {
        m_bMade = false;
        return;
    }
    Put(true);
}

void GridStepCommand::Put(bool after)
{
    std::vector<CellValue> values;
    for (const CellChange& change : m_step)
        values.push_back({change.row, change.col, after ? change.after : change.before});
    m_editor.PutCells(values);
    const auto first = std::min_element(m_step.begin(), m_step.end(), [](const CellChange& a, const CellChange& b) {
        return std::tie(a.row, a.col) < std::tie(b.row, b.col);
    });
    if (first != m_step.end())
        m_editor.FocusCellAt(first->row, first->col);
}
