// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GridEditor;

// The givens: the digits of a puzzle, which nothing the user does may change. A given's cell is
// read-only, so that typing, Backspace and Delete leave it as it is and raise no change, and no tab
// stop, so that the focus moving on skips it, while the arrow keys and the mouse still reach it;
// its digit is bold. The grid file has no place for givens: the cells' styles hold them.
class GridGivens
{
public:
    explicit GridGivens(GridEditor& editor);

    // The digits now in the grid become givens.
    void Fix();
    // The givens become ordinary digits again.
    void Release();
    bool AreFixed() const { return m_bFixed; }

private:
    void SetGiven(int row, int col, bool given);

    GridEditor& m_editor;
    bool m_bFixed = false;
};
