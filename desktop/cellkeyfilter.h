// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

// Watches the key presses that reach the grid's cells, before the cells see them: every key first
// runs onKey; then an arrow key is taken to move the focus (onArrow gets the step as rows and
// columns down and to the right), while any other key goes on to the cell.
class CellKeyFilter : public QObject
{
public:
    CellKeyFilter(std::function<void(QWidget* cell, int dRow, int dCol)> onArrow, std::function<void()> onKey,
                  QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QWidget*, int, int)> m_onArrow;
    std::function<void()> m_onKey;
};
