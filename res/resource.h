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
// What screen readers hear of a given's cell: "%1" its digit.
constexpr UINT IDS_GIVEN_DESCRIPTION = 230;
