// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Sudoku grids as the program keeps them: [row][col], 0 for an empty cell, 1..9 for a digit.

// The number of solutions of the grid, counted up to `limit` (at least 1): 0 when two of its digits
// already conflict (the same digit twice in a row, a column or a box) or when nothing completes it;
// `limit` when it has that many or more. With limit 2: none, one or several.
int CountSolutions(const std::uint8_t grid[9][9], int limit = 2);

// CountSolutions with limit 2 and, when the grid has exactly one solution, that solution in `solution`
// (otherwise `solution` is left as it was).
int SolveGrid(const std::uint8_t grid[9][9], std::uint8_t solution[9][9]);

// All 81 cells filled, and no digit twice in a row, a column or a box.
bool IsGridComplete(const std::uint8_t grid[9][9]);
