#pragma once

#include <string>

// Why this session has no display to show a window on, or empty when it has one. Asked before Qt
// starts, which would otherwise abort with a message about platform plugins.
std::string AfxMissingDisplayReason();
