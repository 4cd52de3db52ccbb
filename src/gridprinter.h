// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gridsize.h"

#include <cstdint>

class QPrinter;
class QString;

// Prints the grid on one page, to be solved on paper: the title above, the grid centred below it and
// as large as the page allows, its 3x3 boxes in thicker lines than its cells, the digits large. As
// many pages as copies when the printer cannot make copies itself. False when the printer could not
// be started.
bool PrintGrid(QPrinter& printer, const QString& title, const std::uint8_t grid[kGridSize][kGridSize]);
