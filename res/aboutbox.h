#pragma once

#include "dialogtemplate.h"

// The About box IDD_ABOUTBOX.
extern const DialogTemplate aboutBoxTemplate;
