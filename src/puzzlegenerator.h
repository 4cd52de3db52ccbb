// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// qqwing's difficulty ratings, from the techniques its solver needs: Facile, Moyenne, Difficile and
// Expert in the menu.
enum class PuzzleGrade {
    Simple,       // cells with one possible digit are enough
    Easy,         // also digits with one possible place in a row, column or box
    Intermediate, // also pairs and box-line reductions
    Expert,       // guessing
};

// Writes to `puzzle` ([row][col], 0 for empty) a new puzzle of that grade with exactly one solution;
// the same seed gives the same puzzle. Takes 10 to 30 ms at the median, Simple 150 ms and at times
// over a second: qqwing rates few of its puzzles Simple. Prints nothing.
// qqwing draws from the C library's rand(), which is one sequence for the whole process: calls are
// serialised on a mutex, so that any thread may call this while others use the solver; anything
// else that calls rand() meanwhile would change the puzzle, not break it.
void GeneratePuzzle(PuzzleGrade grade, std::uint32_t seed, std::uint8_t puzzle[9][9]);
