// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridsearch.h"

namespace {
int LowestDigitIndex(DigitMask mask)
{
    return __builtin_ctz(mask);
}

bool IsSingleDigit(DigitMask mask)
{
    return (mask & (mask - 1)) == 0;
}

// How many digits each mask holds.
struct DigitCounts
{
    std::uint8_t counts[kAllDigits + 1] = {};

    constexpr DigitCounts()
    {
        for (int mask = 1; mask <= kAllDigits; ++mask)
            counts[mask] = std::uint8_t(counts[mask >> 1] + (mask & 1));
    }
};
constexpr DigitCounts kDigitCounts;
} // namespace

bool GridSearch::Load(SearchBoard& board, const std::uint8_t grid[9][9])
{
    board.emptyCells = 0;
    for (DigitMask& placed : board.placed)
        placed = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::uint8_t digit = grid[cell / 9][cell % 9];
        board.digits[cell] = digit;
        board.candidates[cell] = 0;
        if (digit == 0) {
            ++board.emptyCells;
            continue;
        }
        const DigitMask bit = DigitMask(1u << (digit - 1));
        for (const std::uint8_t unit : kGeometry.unitsOf[cell]) {
            if (board.placed[unit] & bit)
                return false;
            board.placed[unit] |= bit;
        }
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (board.digits[cell] != 0)
            continue;
        const std::uint8_t* units = kGeometry.unitsOf[cell];
        const DigitMask possible =
            kAllDigits & ~(board.placed[units[0]] | board.placed[units[1]] | board.placed[units[2]]);
        if (possible == 0)
            return false;
        board.candidates[cell] = possible;
        if (IsSingleDigit(possible))
            m_singles[m_singleCount++] = std::uint8_t(cell);
    }
    return true;
}

bool GridSearch::Propagate(SearchBoard& board)
{
    for (;;) {
        while (m_singleCount > 0) {
            const int cell = m_singles[--m_singleCount];
            // A queued cell may have been filled since as a hidden single.
            if (board.candidates[cell] != 0 && !Place(board, cell, LowestDigitIndex(board.candidates[cell])))
                return false;
        }
        if (board.emptyCells == 0)
            return true;
        bool placedAny = false;
        for (int unit = 0; unit < kUnitCount; ++unit) {
            if (!PlaceHiddenSingles(board, unit, placedAny))
                return false;
        }
        if (placedAny)
            continue;
        bool eliminatedAny = false;
        if (!EliminateLockedCandidates(board, eliminatedAny))
            return false;
        if (!eliminatedAny)
            return true;
    }
}

bool GridSearch::Run(const SearchBoard& board, Guessing guessing, long nodeBudget)
{
    m_guessing = guessing;
    m_nodeBudget = nodeBudget;
    m_nodes = 0;
    m_count = 0;
    Branch(board);
    return m_nodes <= m_nodeBudget;
}

bool GridSearch::Place(SearchBoard& board, int cell, int digitIndex)
{
    const DigitMask bit = DigitMask(1u << digitIndex);
    board.digits[cell] = std::uint8_t(digitIndex + 1);
    board.candidates[cell] = 0;
    --board.emptyCells;
    for (const std::uint8_t unit : kGeometry.unitsOf[cell])
        board.placed[unit] |= bit;
    for (const std::uint8_t peer : kGeometry.peers[cell]) {
        DigitMask possible = board.candidates[peer];
        if ((possible & bit) == 0)
            continue;
        possible ^= bit;
        if (possible == 0)
            return false;
        board.candidates[peer] = possible;
        if (IsSingleDigit(possible))
            m_singles[m_singleCount++] = peer;
    }
    return true;
}

bool GridSearch::PlaceHiddenSingles(SearchBoard& board, int unit, bool& placedAny)
{
    const std::uint8_t* cells = kGeometry.units[unit];
    DigitMask once = 0;
    DigitMask twice = 0;
    for (int i = 0; i < 9; ++i) {
        const DigitMask possible = board.candidates[cells[i]];
        twice |= once & possible;
        once |= possible;
    }
    if ((once | board.placed[unit]) != kAllDigits)
        return false;
    for (DigitMask hidden = once & ~twice; hidden != 0; hidden &= DigitMask(hidden - 1)) {
        const DigitMask bit = hidden & DigitMask(-hidden);
        int i = 0;
        while (i < 9 && (board.candidates[cells[i]] & bit) == 0)
            ++i;
        if (i == 9 || !Place(board, cells[i], LowestDigitIndex(bit)))
            return false;
        placedAny = true;
    }
    return true;
}

bool GridSearch::EliminateFromSegment(SearchBoard& board, int segment, DigitMask digits, DigitMask segmentMasks[])
{
    DigitMask left = 0;
    for (const std::uint8_t cell : kGeometry.segments[segment]) {
        DigitMask possible = board.candidates[cell];
        if (possible & digits) {
            possible &= DigitMask(~digits);
            if (possible == 0)
                return false;
            board.candidates[cell] = possible;
            if (IsSingleDigit(possible))
                m_singles[m_singleCount++] = cell;
        }
        left |= possible;
    }
    segmentMasks[segment] = left;
    return true;
}

bool GridSearch::EliminateLockedCandidates(SearchBoard& board, bool& eliminatedAny)
{
    DigitMask masks[kSegmentCount];
    for (int segment = 0; segment < kSegmentCount; ++segment) {
        const std::uint8_t* cells = kGeometry.segments[segment];
        masks[segment] =
            DigitMask(board.candidates[cells[0]] | board.candidates[cells[1]] | board.candidates[cells[2]]);
    }
    for (int segment = 0; segment < kSegmentCount; ++segment) {
        const std::uint8_t* line = kGeometry.alongLine[segment];
        const std::uint8_t* box = kGeometry.inBox[segment];
        const DigitMask restOfLine = masks[line[0]] | masks[line[1]];
        const DigitMask restOfBox = masks[box[0]] | masks[box[1]];
        const DigitMask onlyHereInBox = masks[segment] & ~restOfBox & restOfLine;
        const DigitMask onlyHereInLine = masks[segment] & ~restOfLine & restOfBox;
        if (onlyHereInBox) {
            eliminatedAny = true;
            if (!EliminateFromSegment(board, line[0], onlyHereInBox, masks) ||
                !EliminateFromSegment(board, line[1], onlyHereInBox, masks))
                return false;
        }
        if (onlyHereInLine) {
            eliminatedAny = true;
            if (!EliminateFromSegment(board, box[0], onlyHereInLine, masks) ||
                !EliminateFromSegment(board, box[1], onlyHereInLine, masks))
                return false;
        }
    }
    return true;
}

void GridSearch::Branch(const SearchBoard& board)
{
    if (board.emptyCells == 0) {
        if (m_count++ == 0) {
            for (int cell = 0; cell < kCellCount; ++cell)
                m_solution[cell] = board.digits[cell];
        }
        return;
    }
    if (++m_nodes > m_nodeBudget)
        return;
    int guessCell = 0;
    int fewest = 10;
    for (int cell = 0; cell < kCellCount && fewest > 2; ++cell) {
        const int count = kDigitCounts.counts[board.candidates[cell]];
        if (count != 0 && count < fewest) {
            fewest = count;
            guessCell = cell;
        }
    }
    if (fewest > 2 && m_guessing == Guessing::TwoPlaces && GuessDigitWithTwoPlaces(board))
        return;
    for (DigitMask left = board.candidates[guessCell]; left != 0 && !Finished(); left &= DigitMask(left - 1))
        Guess(board, guessCell, LowestDigitIndex(left));
}

bool GridSearch::GuessDigitWithTwoPlaces(const SearchBoard& board)
{
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::uint8_t* cells = kGeometry.units[unit];
        DigitMask once = 0;
        DigitMask twice = 0;
        DigitMask thrice = 0;
        for (int i = 0; i < 9; ++i) {
            const DigitMask possible = board.candidates[cells[i]];
            thrice |= twice & possible;
            twice |= once & possible;
            once |= possible;
        }
        const DigitMask twoPlaces = twice & ~thrice;
        if (twoPlaces == 0)
            continue;
        const DigitMask bit = twoPlaces & DigitMask(-twoPlaces);
        for (int i = 0; i < 9 && !Finished(); ++i) {
            if (board.candidates[cells[i]] & bit)
                Guess(board, cells[i], LowestDigitIndex(bit));
        }
        return true;
    }
    return false;
}

void GridSearch::Guess(const SearchBoard& board, int cell, int digitIndex)
{
    SearchBoard guess = board;
    m_singleCount = 0;
    if (Place(guess, cell, digitIndex) && Propagate(guess))
        Branch(guess);
}
