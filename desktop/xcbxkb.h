// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// xkb.h names a struct member "explicit", a keyword in C++: renamed while the header is read.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
