// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

// The start-up services of the original platform. Qt needs none of them: the common controls are
// always there, and there are no OLE libraries or control containers to start. They keep their
// calls and results so that the start-up reads and fails as it always did.

struct INITCOMMONCONTROLSEX
{
    DWORD dwSize;
    DWORD dwICC;
};
constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* pInitCtrls);
// TRUE, unless a test made it fail.
BOOL AfxOleInit();
void AfxEnableControlContainer();

// For tests: makes AfxOleInit fail, as when the OLE libraries could not be started.
void SetOleInitFails(bool fails);
