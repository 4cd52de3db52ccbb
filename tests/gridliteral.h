// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstdint>

// A grid written as 81 characters row by row, '.' or '0' for an empty cell.
struct Grid
{
    std::uint8_t cells[9][9] = {};
};

inline Grid GridOf(const QByteArray& text)
{
    Grid grid;
    for (int cell = 0; cell < 81; ++cell)
        grid.cells[cell / 9][cell % 9] = text[cell] == '.' ? 0 : std::uint8_t(text[cell] - '0');
    return grid;
}
