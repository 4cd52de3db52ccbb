// SPDX-License-Identifier: GPL-3.0-or-later
#include "sudokusolver.h"

#include "gridsearch.h"

namespace {
int Solve(const std::uint8_t grid[9][9], int limit, std::uint8_t solution[9][9])
{
    GridSearch search(limit);
    SearchBoard board;
    if (!search.Load(board, grid) || !search.Propagate(board))
        return 0;
    // The two ways of guessing take turns under a doubling budget, so that a grid costs at most a
    // few times what the better way would. Nearly every grid needs far fewer branchings than the first.
    long nodeBudget = 1024;
    while (!search.Run(board, Guessing::FewestDigits, nodeBudget) &&
           !search.Run(board, Guessing::TwoPlaces, nodeBudget))
        nodeBudget *= 2;
    const int count = search.Count();
    if (count == 1 && solution) {
        for (int cell = 0; cell < kCellCount; ++cell)
            solution[cell / 9][cell % 9] = search.FirstSolution()[cell];
    }
    return count;
}
} // namespace

int CountSolutions(const std::uint8_t grid[9][9], int limit)
{
    return Solve(grid, limit, nullptr);
}

int SolveGrid(const std::uint8_t grid[9][9], std::uint8_t solution[9][9])
{
    return Solve(grid, 2, solution);
}

bool IsGridComplete(const std::uint8_t grid[9][9])
{
    GridSearch search(1);
    SearchBoard board;
    return search.Load(board, grid) && board.emptyCells == 0;
}
