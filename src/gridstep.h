// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// A value to put in the cell at (row, col): 0 for empty, else the digit 1..9.
struct CellValue
{
    int row;
    int col;
    std::uint8_t value;
};

// A cell that a change of the grid changed: its stored value before and after.
struct CellChange
{
    int row;
    int col;
    std::uint8_t before;
    std::uint8_t after;
};

// One change of the grid's stored values, which Annuler takes back whole: a typed digit, a cleared
// cell, a pasted or cut grid.
using GridStep = std::vector<CellChange>;
