// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagebeep.h"

#include <QApplication>

namespace {
std::function<void(UINT)>& BeepHook()
{
    static std::function<void(UINT)> hook;
    return hook;
}
} // namespace

BOOL MessageBeep(UINT uType)
{
    if (BeepHook())
        BeepHook()(uType);
    else
        QApplication::beep();
    return TRUE;
}

void SetMessageBeepHook(std::function<void(UINT)> hook)
{
    BeepHook() = std::move(hook);
}
