#pragma once

#include "wintypes.h"

#include <vector>

// Window and control styles that the program's templates use.
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_FIXEDSYS = 0x0008;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;

// One control of a dialog template; position and size in dialog units.
struct DialogItemTemplate
{
    const char* windowClass; // "Edit"
    int id;
    DWORD style;
    int x, y, cx, cy;
    const char* text;
};

// A dialog template: the window, its font and its controls in creation order, which is also the
// tab order. Sizes are in dialog units of the template's font.
struct DialogTemplate
{
    UINT id;
    DWORD style;
    int x, y, cx, cy;
    const char* caption;
    int pointSize;
    const char* typeFace; // "MS Shell Dlg": stands for the desktop's own interface font
    std::vector<DialogItemTemplate> items;
};
