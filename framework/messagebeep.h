#pragma once

#include "wintypes.h"

#include <functional>

constexpr UINT MB_OK = 0; // the system's default warning sound

// Sounds the warning beep.
BOOL MessageBeep(UINT uType);

// For tests: every beep goes to the hook instead of the speaker; an empty hook restores the sound.
void AfxSetMessageBeepHook(std::function<void(UINT)> hook);
