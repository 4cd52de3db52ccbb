// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A Sudoku grid: 9 rows and 9 columns of cells that hold the digits 1 to 9, in 3x3 boxes.
constexpr int kGridSize = 9;
constexpr int kBoxSize = 3;
