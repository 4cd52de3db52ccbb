// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

// The words that tell the grid to screen readers, from the string table, worded with commas and
// periods only, which Orca does not read aloud: a cell's content and place, a row, column or box
// read in order, and how full the grid is. Grids are [row][col], 0 for an empty cell.

enum class GridUnit { Row, Column, Box };

// What the cell holds: "5", "vide"; a given says so, "5, donné".
QString CellWords(int value, bool given);
// "ligne 1, colonne 2, carré 1".
QString CellPlace(int row, int col);
// The row, column or box through (row, col), named, then its nine cells in reading order:
// "Ligne 4. 5, vide, vide, 3, vide, vide, vide, vide, vide".
QString UnitWords(const std::uint8_t grid[9][9], GridUnit unit, int row, int col);
// "aucun chiffre", "1 chiffre", "27 chiffres".
QString DigitCount(int count);
// How many digits the grid holds and how many cells are empty, "Grille, 27 chiffres, 54 cases vides",
// then the state given, if any, as a sentence of its own.
QString GridStateWords(const std::uint8_t grid[9][9], const QString& state);
// The number of filled cells.
int FilledCells(const std::uint8_t grid[9][9]);
