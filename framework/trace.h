// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writes a diagnostic line of the framework's trace output (standard error); the user never sees it.
[[gnu::format(printf, 1, 2)]] void AfxTrace(const char* format, ...);
