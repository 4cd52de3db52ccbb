// SPDX-License-Identifier: GPL-3.0-or-later

#include "cmdui.h"

#include "cmdtarget.h"

#include <QAction>

CCmdUI::CCmdUI(UINT nID, QAction* pAction, QMenu* pMenu) : m_nID(nID), m_pAction(pAction), m_pMenu(pMenu)
{}

void CCmdUI::Enable(BOOL bOn)
{
    m_bEnabled = bOn;
    m_bEnableChanged = true;
    if (m_pAction)
        m_pAction->setEnabled(bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pAction) {
        m_pAction->setCheckable(true);
        m_pAction->setChecked(nCheck != 0);
    }
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget)
{
    m_bEnableChanged = false;
    pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
    if (!m_bEnableChanged) {
        AFX_CMDHANDLERINFO info;
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info));
    }
}
