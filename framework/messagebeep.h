// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <functional>

// Sounds the warning beep of the given message-box type; MB_OK is the system's default sound.
BOOL MessageBeep(UINT uType);

// For tests: every beep goes to the hook instead of the speaker; an empty hook restores the sound.
void SetMessageBeepHook(std::function<void(UINT)> hook);
