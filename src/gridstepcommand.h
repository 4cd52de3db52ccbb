// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridstep.h"

#include <QUndoCommand>

class GridEditor;

// One step of the grid's undo history: undone, it puts the cells it changed back as they were;
// redone, as it left them. Either way the focus goes to its first cell in reading order, the top
// left of a pasted or cut grid, where one who reads the grid row by row meets the change first.
class GridStepCommand : public QUndoCommand
{
public:
    // A step that the view has already made.
    GridStepCommand(GridEditor& editor, GridStep step);

    void undo() override;
    void redo() override;

    // How many cells the step changes.
    int CellCount() const { return static_cast<int>(m_step.size()); }

private:
    void Put(bool after);

    GridEditor& m_editor;
    GridStep m_step;
    bool m_bMade = true; // the view made the step before it was recorded: the first redo has nothing to do
};
