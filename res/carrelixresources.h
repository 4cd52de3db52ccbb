// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources.h"

// Every resource of the program, for AfxSetResourceHandle.
const ResourceModule& CarrelixResources();
