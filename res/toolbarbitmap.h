#pragma once

// The toolbar image strip in XPM: 8 images of 16x15 side by side, background #C0C0C0 (transparent).
extern const char* const toolbarBitmap[];
