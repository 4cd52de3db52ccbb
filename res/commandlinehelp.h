// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What carrelix --help prints.
extern const char commandLineHelp[];
