// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stdcommands.h"

// Resource IDs of the program; its commands are all the framework's standard ones.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDP_OLE_INIT_FAILED = 100;
constexpr UINT IDD_GRID_FORM = 101;
constexpr UINT IDC_FIRST_CELL = 1000; // the grid form's first cell, where its tab order starts
constexpr UINT IDR_MAINFRAME = 128;

// What screen readers hear, worded with commas and periods only, which they do not read aloud. Why
// a typed digit ("%1") is refused; in a column, "%2" the row of the equal digit.
constexpr UINT IDS_REFUSED_IN_ROW = 320;
constexpr UINT IDS_REFUSED_IN_COLUMN = 321;
constexpr UINT IDS_REFUSED_IN_BOX = 322;
// A pasted grid that breaks the rules: "%1" the digit found twice, "%2" the row, column or box; and
// a clipboard without a grid.
constexpr UINT IDS_PASTE_TWICE_IN_ROW = 323;
constexpr UINT IDS_PASTE_TWICE_IN_COLUMN = 324;
constexpr UINT IDS_PASTE_TWICE_IN_BOX = 325;
constexpr UINT IDS_PASTE_NO_GRID = 326;
