// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogtemplate.h"

// The grid form IDD_GRID_FORM: 81 edit cells.
extern const DialogTemplate gridFormTemplate;
