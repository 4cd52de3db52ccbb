// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <QIcon>

// The icon resource with all its sizes; a null icon when the module has none.
QIcon LoadIcon(UINT nIDResource);
