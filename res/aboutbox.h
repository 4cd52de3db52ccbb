// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogtemplate.h"

// The About box IDD_ABOUTBOX.
extern const DialogTemplate aboutBoxTemplate;
