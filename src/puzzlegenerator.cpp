// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegenerator.h"

#include "sudokusolver.h"

#include <qqwing.hpp>

#include <cstdlib>
#include <mutex>

namespace {
std::mutex g_randMutex;

// By PuzzleGrade.
constexpr qqwing::SudokuBoard::Difficulty kDifficulties[] = {qqwing::SudokuBoard::SIMPLE, qqwing::SudokuBoard::EASY,
                                                             qqwing::SudokuBoard::INTERMEDIATE,
                                                             qqwing::SudokuBoard::EXPERT};
} // namespace

// As qqwing's own program does: generate, solve with the history recorded, from which qqwing rates
// the difficulty, and try again until it is the one asked for. History logging, which prints, stays off.
void GeneratePuzzle(PuzzleGrade grade, std::uint32_t seed, std::uint8_t puzzle[9][9])
{
    const std::lock_guard<std::mutex> lock(g_randMutex);
    std::srand(seed);
    qqwing::SudokuBoard board;
    board.setRecordHistory(true);
    for (;;) {
        board.generatePuzzle();
        board.solve();
        if (board.getDifficulty() != kDifficulties[static_cast<int>(grade)])
            continue;
        const int* cells = board.getPuzzle();
        for (int cell = 0; cell < 81; ++cell)
            puzzle[cell / 9][cell % 9] = std::uint8_t(cells[cell]);
        if (CountSolutions(puzzle) == 1)
            return;
    }
}
