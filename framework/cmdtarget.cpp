#include "cmdtarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY& entry : map->entries) {
            if (entry.nCode != nCode || entry.nID != nID)
                continue;
            if (const auto* pfn = std::get_if<AFX_PMSG>(&entry.pfn))
                (this->**pfn)();
            else
                (this->*std::get<AFX_PMSG_ID>(entry.pfn))(nID);
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
