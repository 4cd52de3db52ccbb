// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class QLineEdit;

// The toolkit's floor for the benchmark: a bare Qt window with the widgets Carrelix shows (a menu
// bar of four menus, a toolbar, a status bar with three indicators, 81 line edits in a 9x9 form) and
// nothing of the program behind them.
class FloorWindow : public QMainWindow
{
public:
    FloorWindow();

    QLineEdit* Cell(int row, int col) const { return m_cells[row][col]; }

private:
    QLineEdit* m_cells[9][9];
};
