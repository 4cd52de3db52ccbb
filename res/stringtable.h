// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

#include <vector>

// The string table: prompts ("status-bar text\ntooltip"), indicator names and messages.
extern const std::vector<StringEntry> stringTable;
