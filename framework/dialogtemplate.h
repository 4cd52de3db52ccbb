// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <vector>

// Window and control styles that the program's templates and code use.
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_FIXEDSYS = 0x0008;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD DS_MODALFRAME = 0x0080;

// One control of a dialog template; position and size in dialog units.
struct DialogItemTemplate
{
    const char* windowClass; // "Edit", "Static" or "Button"
    int id;
    DWORD style;
    int x, y, cx, cy;
    const char* text; // for an SS_ICON static, the icon's resource number: "#128"
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
