// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The grid text file. Its logical text is a 12-character header line, "version 01\r\n", then the
// grid block: nine rows of nine cell characters ('0' for empty, '1'..'9'), each followed by a TAB,
// each row ending CR LF: 180 characters. On disk every LF is written as CR LF, so lines end in
// CR CR LF and the file is 202 bytes.

constexpr int kGridHeaderSize = 12;
constexpr int kGridBlockSize = 180;
// The fewest block characters a file may bring and still be read as a grid.
constexpr int kGridBlockMinimum = 162;
// Bytes of a file looked at the most: a grid needs far fewer, even with odd line ends.
constexpr long kGridFileReadLimit = 1 << 20;

// The block of a grid, cells [row][col] holding 0 or 1..9.
void BuildGridBlock(const std::uint8_t grid[9][9], char block[kGridBlockSize]);

// The bytes on disk of the header and a block.
std::string GridFileBytes(const char block[kGridBlockSize]);

// The number of block characters among the first `bytes` bytes on disk of GridFileBytes(block).
int GridBlockCharsIn(const char block[kGridBlockSize], long bytes);

// Reads a grid file's bytes with `read` (which fills its buffer and returns the count, 0 at the end,
// -1 on an error) and puts its block into `block`. Every line end, an LF after any number of CRs,
// reads as CR LF; other bytes pass unchanged; a SUB (26) ends the data. The 12 header characters
// are skipped unexamined. Positions the file does not reach hold '0'. Returns the number of block
// characters read, or -1 when `read` failed.
int ReadGridBlock(const std::function<long(char*, long)>& read, char block[kGridBlockSize]);

// The value of the cell character at (row, col) of a block: 1..9 for a digit, 0 for anything else.
std::uint8_t GridBlockValue(const char block[kGridBlockSize], int row, int col);
