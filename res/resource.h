// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stdcommands.h"

// Resource IDs of the program; its commands are all the framework's standard ones.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDP_OLE_INIT_FAILED = 100;
constexpr UINT IDD_GRID_FORM = 101;
constexpr UINT IDC_FIRST_CELL = 1000; // the grid form's first cell, where its tab order starts
constexpr UINT IDR_MAINFRAME = 128;

// What screen readers hear of the grid. A cell: its digit, or "vide"; a given's digit ("%1"); its
// place ("%1" its row, "%2" its column, "%3" its box, counted from 1).
constexpr UINT IDS_CELL_EMPTY = 300;
constexpr UINT IDS_CELL_GIVEN = 301;
constexpr UINT IDS_CELL_PLACE = 302;
// The grid as a table, its rows and columns, and its boxes: "%1" counted from 1.
constexpr UINT IDS_GRID_NAME = 303;
constexpr UINT IDS_ROW_NAME = 304;
constexpr UINT IDS_COLUMN_NAME = 305;
constexpr UINT IDS_BOX_NAME = 306;
// How many digits or empty cells: none, one, "%1".
constexpr UINT IDS_DIGITS_NONE = 310;
constexpr UINT IDS_DIGITS_ONE = 311;
constexpr UINT IDS_DIGITS_MANY = 312;
constexpr UINT IDS_EMPTY_CELLS_NONE = 313;
constexpr UINT IDS_EMPTY_CELLS_ONE = 314;
constexpr UINT IDS_EMPTY_CELLS_MANY = 315;
// The grid's state on demand: "%1" its digits, "%2" its empty cells.
constexpr UINT IDS_GRID_STATE = 316;
// Why a typed digit ("%1") is refused; in a column, "%2" the row of the equal digit.
constexpr UINT IDS_REFUSED_IN_ROW = 320;
constexpr UINT IDS_REFUSED_IN_COLUMN = 321;
constexpr UINT IDS_REFUSED_IN_BOX = 322;
// A pasted grid that breaks the rules: "%1" the digit found twice, "%2" the row, column or box; and
// a clipboard without a grid.
constexpr UINT IDS_PASTE_TWICE_IN_ROW = 323;
constexpr UINT IDS_PASTE_TWICE_IN_COLUMN = 324;
constexpr UINT IDS_PASTE_TWICE_IN_BOX = 325;
constexpr UINT IDS_PASTE_NO_GRID = 326;
// Changes of the whole grid, as screen readers hear them: emptied by New; the others with "%1", how
// many digits it holds now.
constexpr UINT IDS_GRID_EMPTIED = 330;
constexpr UINT IDS_GRID_OPENED = 331;
constexpr UINT IDS_GRID_PASTED = 332;
constexpr UINT IDS_GRID_CUT = 333;
constexpr UINT IDS_GRID_UNDONE = 334;
constexpr UINT IDS_GRID_REDONE = 335;
