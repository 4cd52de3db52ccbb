// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Cells numbered 0..80 row by row; units numbered 0..26: the rows 0..8, then the columns as 9..17,
// then the boxes as 18..26, boxes counted row by row from the top left.
constexpr int kCellCount = 81;
constexpr int kUnitCount = 27;
constexpr int kFirstColumnUnit = 9;
constexpr int kFirstBoxUnit = 18;
constexpr int kSegmentCount = 54;
constexpr int kFirstColumnSegment = 27;

constexpr int BoxOf(int row, int col)
{
    return row / 3 * 3 + col / 3;
}

struct GridGeometry
{
    std::uint8_t units[kUnitCount][9] = {};   // each unit's cells, in row-major order
    std::uint8_t unitsOf[kCellCount][3] = {}; // each cell's row, column and box units
    std::uint8_t peers[kCellCount][20] = {};  // the other cells of its row, column and box
    // Where a line crosses a box: three cells. Segments 0..26 lie in rows (row * 3 + box column),
    // 27..53 in columns (27 + column * 3 + box row). Each has two neighbours along its line, in
    // the other boxes, and two across it, in its own box.
    std::uint8_t segments[kSegmentCount][3] = {};
    std::uint8_t alongLine[kSegmentCount][2] = {};
    std::uint8_t inBox[kSegmentCount][2] = {};

    constexpr GridGeometry()
    {
        int filled[kUnitCount] = {};
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int row = cell / 9;
            const int col = cell % 9;
            const int cellUnits[3] = {row, kFirstColumnUnit + col, kFirstBoxUnit + BoxOf(row, col)};
            for (int i = 0; i < 3; ++i) {
                unitsOf[cell][i] = std::uint8_t(cellUnits[i]);
                units[cellUnits[i]][filled[cellUnits[i]]++] = std::uint8_t(cell);
            }
        }
        for (int cell = 0; cell < kCellCount; ++cell) {
            int count = 0;
            for (int other = 0; other < kCellCount; ++other) {
                const bool sameRow = other / 9 == cell / 9;
                const bool sameCol = other % 9 == cell % 9;
                const bool sameBox = BoxOf(other / 9, other % 9) == BoxOf(cell / 9, cell % 9);
                if (other != cell && (sameRow || sameCol || sameBox))
                    peers[cell][count++] = std::uint8_t(other);
            }
        }
        for (int line = 0; line < 9; ++line) {
            for (int third = 0; third < 3; ++third) {
                const int across = line / 3 * 3;
                const int rowSegment = line * 3 + third;
                const int colSegment = kFirstColumnSegment + rowSegment;
                for (int i = 0; i < 3; ++i) {
                    segments[rowSegment][i] = std::uint8_t(line * 9 + third * 3 + i);
                    segments[colSegment][i] = std::uint8_t((third * 3 + i) * 9 + line);
                }
                for (int i = 0; i < 2; ++i) {
                    const int otherThird = (third + 1 + i) % 3;
                    const int otherLine = across + (line - across + 1 + i) % 3;
                    alongLine[rowSegment][i] = std::uint8_t(line * 3 + otherThird);
                    alongLine[colSegment][i] = std::uint8_t(kFirstColumnSegment + line * 3 + otherThird);
                    inBox[rowSegment][i] = std::uint8_t(otherLine * 3 + third);
                    inBox[colSegment][i] = std::uint8_t(kFirstColumnSegment + otherLine * 3 + third);
                }
            }
        }
    }
};

inline constexpr GridGeometry kGeometry;
