// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The 202 bytes of a grid text file as the program writes it, from 81 cell characters row by row
// ('0' or ' ' for an empty cell).
inline QByteArray GridFileBytesOf(const QByteArray& cells)
{
    QByteArray bytes = "version 01\r\r\n";
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const char c = cells.at(9 * row + col);
            bytes += c == ' ' ? '0' : c;
            bytes += '\t';
        }
        bytes += "\r\r\n";
    }
    return bytes;
}

// A grid with digits on the diagonal of every box and a 9 in the last cell.
inline QByteArray SampleGridFile()
{
    return GridFileBytesOf("1        "
                           " 2       "
                           "  3      "
                           "   4     "
                           "    5    "
                           "     6   "
                           "      7  "
                           "       8 "
                           "        9");
}
