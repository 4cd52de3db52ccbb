// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wnd.h"

#include <memory>
#include <vector>

class LockKeyState;
class QLabel;

// The frame's status bar: a message pane, then indicator panes that show their text while their
// lock (Caps, Num, Scroll) is on, and are hidden while their lock's state is not known.
class CStatusBar : public CWnd
{
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // The panes from left to right: ID_SEPARATOR for the message pane, then indicator string IDs.
    // FALSE when an indicator has no string.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

private:
    void UpdateIndicators();

    struct Indicator
    {
        UINT id;
        QLabel* label;
    };
    std::vector<Indicator> m_indicators;
    std::unique_ptr<LockKeyState> m_pLockKeys;
};
