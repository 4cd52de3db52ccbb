// SPDX-License-Identifier: GPL-3.0-or-later

#include "view.h"

#include "document.h"

#include <QWidget>

void CView::OnInitialUpdate()
{
    if (QWidget* widget = GetSafeHwnd())
        widget->update();
}

void CView::OnActivateView()
{
    SetFocus();
}

void CView::Serialize(CArchive&)
{}

BOOL CView::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pCmdUI, pHandlerInfo);
}
