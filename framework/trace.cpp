// SPDX-License-Identifier: GPL-3.0-or-later

#include "trace.h"

#include <cstdarg>
#include <cstdio>

void AfxTrace(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fflush(stderr);
}
