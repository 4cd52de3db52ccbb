#pragma once

#include "resources.h"

// The main menu IDR_MAINFRAME.
extern const MenuTemplate mainMenu;
