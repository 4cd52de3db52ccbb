// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// The version information: the version, a game utility.
extern const VersionInfo versionInfo;
