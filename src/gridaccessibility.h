// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "placement.h"

#include <QPointer>

#include <functional>

class AccessibleNotice;
class CFrameWnd;
class QString;
class QWidget;

// What the grid offers beyond typing, to keyboard and screen-reader users: each cell named by its
// place and described by its digit, the arrow keys between cells, and notices (the reason of a
// refused digit, what a paste found) shown in the status bar and told to screen readers until the
// next key pressed or text committed in a cell.
class GridAccessibility
{
public:
    // cellAt gives the cell at a grid position, null for none; frame the frame whose status bar tells.
    GridAccessibility(std::function<QWidget*(int row, int col)> cellAt, std::function<CFrameWnd*()> frame);

    // The digit value was refused for the reason the placement test found.
    void TellRefusal(int value, const Placement& placement);
    // Shows the notice in the status bar and tells it to screen readers, until the next key.
    void Tell(const QString& notice);
    // Tells the notice to screen readers alone, until the next key: the window shows it elsewhere.
    void Announce(const QString& notice);
    // Ends the notice shown, if any: the status bar is idle again.
    void EndNotice();

private:
    void MoveFocus(QWidget* cell, int dRow, int dCol);

    std::function<QWidget*(int, int)> m_cellAt;
    std::function<CFrameWnd*()> m_frame;
    QPointer<AccessibleNotice> m_pNotice; // owned by the form
    bool m_bNoticeShown = false;          // the status bar and m_pNotice tell a notice
};
