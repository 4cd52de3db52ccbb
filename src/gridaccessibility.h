// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridwords.h"
#include "placement.h"
#include "wintypes.h"

#include <QPointer>

#include <functional>

class AccessibleGrid;
class AccessibleNotice;
class CFrameWnd;
class QString;
class QWidget;

// What the grid offers beyond typing, to keyboard and screen-reader users: the grid told as a table
// whose cells are named by their content, then their place ("5, ligne 1, colonne 2, carré 1"), the
// names kept current whatever changes a cell; the arrow keys between cells; keys that speak the
// focused cell's row, column or box and the grid's state; and notices (the reason of a refused
// digit, what a paste found, a change of the whole grid), told to screen readers and, for the
// reasons, shown in the status bar, until the next key pressed or text committed in a cell.
class GridAccessibility
{
public:
    // cellAt gives the cell at a grid position, null for none; valueAt the digit it holds, 0 for
    // none; frame the frame whose status bar tells.
    GridAccessibility(std::function<QWidget*(int row, int col)> cellAt, std::function<int(int row, int col)> valueAt,
                      std::function<CFrameWnd*()> frame);

    // The digit value was refused for the reason the placement test found.
    void TellRefusal(int value, const Placement& placement);
    // Shows the notice in the status bar and tells it to screen readers, until the next key.
    void Tell(const QString& notice);
    // Tells the notice to screen readers alone, until the next key: the window shows it otherwise.
    void Announce(const QString& notice);
    // The whole grid changed: tells screen readers the string nIDChange says, "%1" the digits it holds now.
    void AnnounceGrid(UINT nIDChange);
    // Tells screen readers the focused cell's name. The program changed the cell, then gave it the
    // focus: Orca takes the change of its text for the focus arriving, and says nothing of the cell.
    void AnnounceFocusedCell();
    // Ends the notice shown, if any: the status bar is idle again.
    void EndNotice();

    // What the grid-state key says after the count of digits, such as the solutions the grid has;
    // nothing unless set.
    void SetStateText(std::function<QString()> stateText);

private:
    void MoveFocus(QWidget* cell, int dRow, int dCol);
    void SpeakUnit(GridUnit unit);
    void SpeakState();
    void ReadGrid(std::uint8_t grid[9][9]) const;
    // The focused cell's position; false when no cell has the focus.
    bool FocusedCell(int& row, int& col) const;
    QString CellName(int row, int col) const;

    std::function<QWidget*(int, int)> m_cellAt;
    std::function<int(int, int)> m_valueAt;
    std::function<CFrameWnd*()> m_frame;
    std::function<QString()> m_stateText;
    QPointer<AccessibleGrid> m_pGrid;     // owned by the form
    QPointer<AccessibleNotice> m_pNotice; // owned by the form's parent
    bool m_bNoticeShown = false;          // m_pNotice tells a notice, and the status bar may
};
