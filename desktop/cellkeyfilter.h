// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSet>

#include <functional>

// Watches what the user types into the grid's cells, before the cells see it and before the frame
// takes a key for a command (F6): every key press and every text that an input method commits
// first runs onInput; then an arrow key is taken to move the focus (onArrow gets the step as rows
// and columns down and to the right), while anything else goes on to the cell.
class CellKeyFilter : public QObject
{
public:
    // Made once the frame has its accelerators, it watches the application's events before them.
    CellKeyFilter(std::function<void(QWidget* cell, int dRow, int dCol)> onArrow, std::function<void()> onInput,
                  QObject* parent);

    void Watch(QWidget* cell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget*, int, int)> m_onArrow;
    std::function<void()> m_onInput;
    QSet<QObject*> m_cells;
};
