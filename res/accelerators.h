#pragma once

#include "resources.h"

// The accelerator table IDR_MAINFRAME.
extern const AcceleratorTable mainAccelerators;
