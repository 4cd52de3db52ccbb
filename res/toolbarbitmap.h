// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The toolbar image strip in XPM: 8 images of 16x15 side by side, background #C0C0C0 (transparent).
extern const char* const toolbarBitmap[];
// The same strip for screens of twice the density: 8 images of 32x30.
extern const char* const toolbarBitmap2x[];
