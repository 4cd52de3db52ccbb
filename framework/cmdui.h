// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

class CCmdTarget;
class QAction;
class QMenu;

// The state of one command's menu item or toolbar button, filled by update handlers when a menu
// opens or the toolbar is refreshed.
class CCmdUI
{
public:
    // Without an action the state is only recorded, for asking whether a command may run.
    CCmdUI(UINT nID, QAction* pAction, QMenu* pMenu = nullptr);

    void Enable(BOOL bOn = TRUE);
    void SetCheck(int nCheck = 1);

    // Asks the target for the state; a command without an update handler is enabled exactly when
    // someone handles it.
    void DoUpdate(CCmdTarget* pTarget);

    bool IsEnabled() const { return m_bEnabled; }

    UINT m_nID;
    QAction* m_pAction;
    QMenu* m_pMenu; // the menu holding the item, for items that stand for a list (recent files)

private:
    bool m_bEnabled = true;
    bool m_bEnableChanged = false;
};
