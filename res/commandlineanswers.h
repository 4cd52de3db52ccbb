// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commandline.h"

// What the program answers to --help, --version and an unknown option.
CommandLineAnswers CarrelixCommandLineAnswers();
