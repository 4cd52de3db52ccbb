// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// The main menu IDR_MAINFRAME.
extern const MenuTemplate mainMenu;
