// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// The version information: 1.0.1, a game utility.
extern const VersionInfo versionInfo;
