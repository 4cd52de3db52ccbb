// SPDX-License-Identifier: GPL-3.0-or-later

#include "cmdtarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY& entry : map->entries) {
            if (entry.nCode != nCode || nID < entry.nID || nID > entry.nLastID)
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            if (const auto* pfn = std::get_if<AFX_PMSG>(&entry.pfn))
                (this->**pfn)();
            else if (const auto* pfnId = std::get_if<IdHandler>(&entry.pfn))
                (this->**pfnId)(nID);
            else
                (this->*std::get<UpdateHandler>(entry.pfn))(pCmdUI);
            return TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP map{nullptr, {}};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}
