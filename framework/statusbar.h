// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wnd.h"

#include <QString>

#include <memory>
#include <vector>

class LockKeyState;
class QLabel;

// The frame's status bar: a message pane, then indicator panes. A lock's pane (Caps, Num, Scroll)
// shows its text while the lock is on, and is hidden while the lock's state is not known; any other
// pane shows its string until the program gives it a text of its own.
class CStatusBar : public CWnd
{
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // The panes from left to right: ID_SEPARATOR for the message pane, then indicator string IDs.
    // FALSE when an indicator has no string.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // The index of the pane with this ID, -1 for none.
    int CommandToIndex(UINT nIDFind) const;
    // Shows the text in the indicator pane at nIndex; FALSE for no such pane.
    BOOL SetPaneText(int nIndex, const QString& text);

private:
    void UpdateIndicators();

    struct Indicator
    {
        UINT id;
        QLabel* label; // null for the message pane
    };
    std::vector<Indicator> m_indicators; // every pane, from left to right
    std::unique_ptr<LockKeyState> m_pLockKeys;
};
