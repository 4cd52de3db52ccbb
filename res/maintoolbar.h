// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// The toolbar IDR_MAINFRAME and its image strip.
extern const ToolbarTemplate mainToolbar;
