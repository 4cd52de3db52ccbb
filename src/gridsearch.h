// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridgeometry.h"

#include <cstdint>

// A set of digits, bit d - 1 for digit d.
using DigitMask = std::uint16_t;
constexpr DigitMask kAllDigits = 0x1FF;

// One state of the search, copied at each guess: at about 300 bytes, cheaper than undoing.
struct SearchBoard
{
    DigitMask candidates[kCellCount]; // of an empty cell, never 0; 0 once the cell is filled
    DigitMask placed[kUnitCount];     // digits already in each unit
    std::uint8_t digits[kCellCount];
    int emptyCells;
};

// Where the search guesses once nothing more follows. Each way can wander into a huge fruitless
// subtree that the other avoids (seen on sparse grids with no solution).
enum class Guessing {
    FewestDigits, // the cell with the fewest possible digits
    TwoPlaces,    // while every cell has three or more: a digit with two places left in a unit
};

// Depth-first search: what follows from the grid (a cell with one possible digit, a digit with one
// possible cell in a unit, a digit locked in a line or a box) worked out after each step, then a
// guess.
class GridSearch
{
public:
    explicit GridSearch(int limit) : m_limit(limit) {}

    // False when two of the grid's digits conflict or an empty cell has no possible digit.
    bool Load(SearchBoard& board, const std::uint8_t grid[9][9]);

    // Works out what follows from the board's digits; false on a contradiction.
    bool Propagate(SearchBoard& board);

    // Counts the solutions that complete the propagated board, up to the limit, guessing the given
    // way; false when that takes more than `nodeBudget` branchings.
    bool Run(const SearchBoard& board, Guessing guessing, long nodeBudget);

    int Count() const { return m_count; }
    const std::uint8_t* FirstSolution() const { return m_solution; }

private:
    // Fills the cell and takes the digit from its peers' candidates; false on a contradiction.
    bool Place(SearchBoard& board, int cell, int digitIndex);

    // Places the unit's digits that have one possible cell left in it; false on a contradiction
    // (a missing digit with no cell, or one cell the only place of two digits).
    bool PlaceHiddenSingles(SearchBoard& board, int unit, bool& placedAny);

    // Takes the digits from the segment's cells; false when a cell is left with none.
    bool EliminateFromSegment(SearchBoard& board, int segment, DigitMask digits, DigitMask segmentMasks[]);

    // Box-line interactions: a digit whose places in a box all lie in one line has no place in the
    // rest of that line, and one whose places in a line all lie in one box has none in the rest of
    // that box. False on a contradiction.
    bool EliminateLockedCandidates(SearchBoard& board, bool& eliminatedAny);

    bool Finished() const { return m_count >= m_limit || m_nodes > m_nodeBudget; }

    void Branch(const SearchBoard& board);

    // False when no unit has a digit with exactly two places.
    bool GuessDigitWithTwoPlaces(const SearchBoard& board);

    void Guess(const SearchBoard& board, int cell, int digitIndex);

    int m_limit;
    Guessing m_guessing = Guessing::FewestDigits;
    long m_nodeBudget = 0;
    long m_nodes = 0;
    int m_count = 0;
    std::uint8_t m_singles[kCellCount]; // cells left with one possible digit, not yet filled
    int m_singleCount = 0;
    std::uint8_t m_solution[kCellCount];
};
