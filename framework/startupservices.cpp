// SPDX-License-Identifier: GPL-3.0-or-later

#include "startupservices.h"

namespace {
bool g_oleInitFails = false;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*)
{
    return TRUE;
}

BOOL AfxOleInit()
{
    return g_oleInitFails ? FALSE : TRUE;
}

void AfxEnableControlContainer()
{}

void SetOleInitFails(bool fails)
{
    g_oleInitFails = fails;
}
