// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridsize.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The grid as plain text on the clipboard. It is written as the line that Sudoku programs and sites
// exchange, the 81 cells row by row, and read back from that line and from the usual printed forms.

// The cells row by row: 0 for an empty cell, else the digit 1..9.
using GridCells = std::array<std::uint8_t, kGridSize * kGridSize>;

// The grid's line: for each cell row by row its digit, or "." when it is empty; then a line end.
QString GridLine(const std::uint8_t grid[kGridSize][kGridSize]);

// What a pasted text holds.
struct PastedText
{
    enum Kind { NoGrid, Grid, Digit };

    Kind kind = NoGrid;
    GridCells cells{}; // with Grid
    int digit = 0;     // with Digit, 1..9
};

// One digit 1..9 with nothing but blanks around it is a digit. Otherwise the text is a grid when,
// once blanks (spaces, tabs, line ends) and the border characters | + - = : are skipped, exactly 81
// cells remain, each a digit 1..9 or one of 0 . _ * for an empty cell. A first line "version 01",
// the grid file's header, is skipped, so that a grid file's text is a grid too.
PastedText ReadPastedText(const QString& text);

// Two equal digits in one row, column or 3x3 box.
struct GridConflict
{
    enum Unit { Row, Column, Box };

    int digit;
    Unit unit;
    int index; // of the row, column or box, from 0; boxes are counted row by row
};

// The first conflict met when the cells are read row by row: the first cell whose digit an earlier
// cell of its row, then of its column, then of its box already holds.
std::optional<GridConflict> FirstConflict(const GridCells& cells);
