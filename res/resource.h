// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stdcommands.h"

// Resource IDs of the program; its commands are the framework's standard ones, and those of the
// Grille menu below.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDP_OLE_INIT_FAILED = 100;
constexpr UINT IDD_GRID_FORM = 101;
constexpr UINT IDC_FIRST_CELL = 1000; // the grid form's first cell, where its tab order starts
constexpr UINT IDR_MAINFRAME = 128;

// The Grille menu: a new puzzle of each of qqwing's grades (the menu's Facile, Moyenne, Difficile,
// Expert, in PuzzleGrade's order), a hint, the solution, the givens.
constexpr UINT ID_NEW_PUZZLE_SIMPLE = 32771;
constexpr UINT ID_NEW_PUZZLE_EASY = 32772;
constexpr UINT ID_NEW_PUZZLE_INTERMEDIATE = 32773;
constexpr UINT ID_NEW_PUZZLE_EXPERT = 32774;
constexpr UINT ID_GRID_HINT = 32775;
constexpr UINT ID_GRID_SOLVE = 32776;
constexpr UINT ID_GRID_FREEZE_GIVENS = 32777;
// The status bar's pane that tells the grid's state; its string sets the pane's width.
constexpr UINT ID_INDICATOR_GRID_STATE = 32778;

// What the grid's state pane shows.
constexpr UINT IDS_GRID_ONE_SOLUTION = 200;
constexpr UINT IDS_GRID_SEVERAL_SOLUTIONS = 201;
constexpr UINT IDS_GRID_NO_SOLUTION = 202;
constexpr UINT IDS_GRID_COMPLETE = 203;
// The reason of a hint: "%1" the digit, "%2" the row, column or box, counted from 1; for a cell,
// "%1" its row and "%2" its column.
constexpr UINT IDS_HINT_ONLY_DIGIT = 210;
constexpr UINT IDS_HINT_ONLY_PLACE_IN_ROW = 211;
constexpr UINT IDS_HINT_ONLY_PLACE_IN_COLUMN = 212;
constexpr UINT IDS_HINT_ONLY_PLACE_IN_BOX = 213;
constexpr UINT IDS_HINT_FROM_SOLUTION = 214;
// Why Indice or Résoudre fills nothing.
constexpr UINT IDS_HINT_NO_SOLUTION = 220;
constexpr UINT IDS_HINT_SEVERAL_SOLUTIONS = 221;
constexpr UINT IDS_SOLVE_NO_SOLUTION = 222;
constexpr UINT IDS_SOLVE_SEVERAL_SOLUTIONS = 223;
constexpr UINT IDS_GRID_ALREADY_COMPLETE = 224;

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
constexpr UINT IDS_GRID_PUZZLE_MADE = 336;
