// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// The accelerator table IDR_MAINFRAME.
extern const AcceleratorTable mainAccelerators;
