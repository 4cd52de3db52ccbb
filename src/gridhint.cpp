// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridhint.h"

#include "gridgeometry.h"
#include "sudokusolver.h"

#include <bitset>

namespace {
using Digits = std::bitset<9>; // bit d - 1 for digit d

// The digits that no peer of each empty cell holds; none for a filled cell.
void FindPossibleDigits(const std::uint8_t grid[9][9], Digits possible[kCellCount])
{
    Digits placed[kUnitCount];
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (const int digit = grid[cell / 9][cell % 9]) {
            for (const std::uint8_t unit : kGeometry.unitsOf[cell])
                placed[unit].set(digit - 1);
        }
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::uint8_t* units = kGeometry.unitsOf[cell];
        possible[cell] =
            grid[cell / 9][cell % 9] ? Digits() : ~(placed[units[0]] | placed[units[1]] | placed[units[2]]);
    }
}

HintKind HiddenSingleKind(int unit)
{
    if (unit < kFirstColumnUnit)
        return HintKind::HiddenSingleInRow;
    return unit < kFirstBoxUnit ? HintKind::HiddenSingleInColumn : HintKind::HiddenSingleInBox;
}

GridHint HintAt(GridHint hint, HintKind kind, int cell, int digit, int unit = -1)
{
    hint.kind = kind;
    hint.row = cell / 9;
    hint.col = cell % 9;
    hint.digit = std::uint8_t(digit);
    hint.unit = unit < 0 ? -1 : unit % 9;
    return hint;
}
} // namespace

GridHint FindHint(const std::uint8_t grid[9][9])
{
    GridHint hint;
    std::uint8_t solution[9][9];
    hint.solutions = SolveGrid(grid, solution);
    if (hint.solutions != 1)
        return hint;

    Digits possible[kCellCount];
    FindPossibleDigits(grid, possible);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (possible[cell].count() == 1)
            return HintAt(hint, HintKind::NakedSingle, cell, solution[cell / 9][cell % 9]);
    }
    for (int unit = 0; unit < kUnitCount; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            int places = 0;
            int place = 0;
            for (const std::uint8_t cell : kGeometry.units[unit]) {
                if (possible[cell].test(digit - 1)) {
                    ++places;
                    place = cell;
                }
            }
            if (places == 1)
                return HintAt(hint, HiddenSingleKind(unit), place, digit, unit);
        }
    }
    int fewestCell = -1;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (possible[cell].any() && (fewestCell < 0 || possible[cell].count() < possible[fewestCell].count()))
            fewestCell = cell;
    }
    if (fewestCell < 0)
        return hint;
    return HintAt(hint, HintKind::FromSolution, fewestCell, solution[fewestCell / 9][fewestCell % 9]);
}
