// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <variant>
#include <vector>

class CCmdTarget;
class CCmdUI;

// Notification codes carried with a command or control ID.
constexpr int CN_COMMAND = 0;            // a menu, accelerator or toolbar command; a button's click
constexpr int CN_UPDATE_COMMAND_UI = -1; // asks for the state of a command's menu item or button
constexpr int EN_CHANGE = 0x0300;        // an edit control's text has changed

using AFX_PMSG = void (CCmdTarget::*)();
using IdHandler = void (CCmdTarget::*)(UINT);
using UpdateHandler = void (CCmdTarget::*)(CCmdUI*);

// One row of a message map: the handler for one notification code from a range of IDs.
struct AFX_MSGMAP_ENTRY
{
    int nCode;
    UINT nID;
    UINT nLastID;
    std::variant<AFX_PMSG, IdHandler, UpdateHandler> pfn; // without argument, given the ID, or the state to fill
};

// A class's message map: its own rows, then its base class's map.
struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    std::vector<AFX_MSGMAP_ENTRY> entries;
};

// Rows of a message map, written in the class that handles them.
template <class T>
AFX_MSGMAP_ENTRY MapCommand(UINT nID, void (T::*pfn)())
{
    return {CN_COMMAND, nID, nID, static_cast<AFX_PMSG>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY MapCommandRange(UINT nID, UINT nLastID, void (T::*pfn)(UINT))
{
    return {CN_COMMAND, nID, nLastID, static_cast<IdHandler>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY MapNotify(int nCode, UINT nID, void (T::*pfn)(UINT))
{
    return {nCode, nID, nID, static_cast<IdHandler>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY MapUpdateCommandUI(UINT nID, void (T::*pfn)(CCmdUI*))
{
    return {CN_UPDATE_COMMAND_UI, nID, nID, static_cast<UpdateHandler>(pfn)};
}

// Declares the two functions of a class's message map; the class defines them.
#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

// Asks a command target only whether it has a handler, without running it.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget = nullptr;
};

// The root of every object that receives commands and notifications through a message map.
class CCmdTarget
{
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the first handler that this object's maps give for the code and ID, scanning the class's
    // own map before its base's; pCmdUI goes to update handlers. With pHandlerInfo, only finds the
    // handler. TRUE when there is one. Classes that pass commands on to others override this.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI = nullptr, AFX_CMDHANDLERINFO* pHandlerInfo = nullptr);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
