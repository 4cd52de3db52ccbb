// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Why a hint's digit goes in its cell.
enum class HintKind {
    None,                 // no hint: the grid has no solution or several, or no empty cell
    NakedSingle,          // no other digit is possible in the cell
    HiddenSingleInRow,    // the cell is the digit's only possible place in row `unit`
    HiddenSingleInColumn, // ... in column `unit`
    HiddenSingleInBox,    // ... in box `unit`
    FromSolution,         // no single anywhere: the cell with the fewest possible digits, told its digit
};

struct GridHint
{
    int solutions = 0; // the grid's solutions, as CountSolutions with limit 2 counts them
    HintKind kind = HintKind::None;
    int row = -1; // the cell, 0..8 each, and its digit 1..9, unless kind is None
    int col = -1;
    std::uint8_t digit = 0;
    int unit = -1; // 0..8 for a hidden single (boxes counted row by row from the top left), else -1
};

// The simplest deduction on the grid ([row][col], 0 for empty), when it has exactly one solution: the
// first naked single in row-major order; else the first hidden single, the rows searched first, then
// the columns, then the boxes, each unit's digits from 1 to 9; else the first of the cells with the
// fewest possible digits, with its digit from the solution.
GridHint FindHint(const std::uint8_t grid[9][9]);
