#pragma once

#include "wintypes.h"

#include <variant>
#include <vector>

class CCmdTarget;

// Notification codes carried with a command or control ID.
constexpr int CN_COMMAND = 0;     // a menu, accelerator or toolbar command
constexpr int EN_CHANGE = 0x0300; // an edit control's text has changed

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_ID = void (CCmdTarget::*)(UINT);

// One row of a message map: the handler for one notification code from one ID.
struct AFX_MSGMAP_ENTRY
{
    int nCode;
    UINT nID;
    std::variant<AFX_PMSG, AFX_PMSG_ID> pfn; // a handler without argument, or one given the ID
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
    return {CN_COMMAND, nID, static_cast<AFX_PMSG>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY MapNotify(int nCode, UINT nID, void (T::*pfn)(UINT))
{
    return {nCode, nID, static_cast<AFX_PMSG_ID>(pfn)};
}

// Declares the two functions of a class's message map; the class defines them.
#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

// The root of every object that receives commands and notifications through a message map.
class CCmdTarget
{
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the first handler that this object's maps give for the code and ID, scanning the class's
    // own map before its base's. TRUE when one ran.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
