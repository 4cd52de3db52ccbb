// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridwords.h"

#include "gridsize.h"
#include "resource.h"
#include "resources.h"

#include <QStringList>

namespace {
QString Counted(int count, UINT none, UINT one, UINT many)
{
    if (count == 0)
        return AfxLoadString(none);
    if (count == 1)
        return AfxLoadString(one);
    return AfxLoadString(many).arg(count);
}

int BoxOf(int row, int col)
{
    return row / kBoxSize * kBoxSize + col / kBoxSize;
}
} // namespace

QString CellWords(int value, bool given)
{
    if (value == 0)
        return AfxLoadString(IDS_CELL_EMPTY);
    return given ? AfxLoadString(IDS_CELL_GIVEN).arg(value) : QString::number(value);
}

QString CellPlace(int row, int col)
{
    return AfxLoadString(IDS_CELL_PLACE).arg(row + 1).arg(col + 1).arg(BoxOf(row, col) + 1);
}

QString UnitWords(const std::uint8_t grid[9][9], GridUnit unit, int row, int col)
{
    QStringList cells;
    for (int k = 0; k < kGridSize; ++k) {
        int i = row;
        int j = col;
        if (unit == GridUnit::Row) {
            j = k;
        } else if (unit == GridUnit::Column) {
            i = k;
        } else {
            i = row / kBoxSize * kBoxSize + k / kBoxSize;
            j = col / kBoxSize * kBoxSize + k % kBoxSize;
        }
        cells << CellWords(grid[i][j], false);
    }
    QString name;
    switch (unit) {
    case GridUnit::Row:
        name = AfxLoadString(IDS_ROW_NAME).arg(row + 1);
        break;
    case GridUnit::Column:
        name = AfxLoadString(IDS_COLUMN_NAME).arg(col + 1);
        break;
    case GridUnit::Box:
        name = AfxLoadString(IDS_BOX_NAME).arg(BoxOf(row, col) + 1);
        break;
    }
    return name + QStringLiteral(". ") + cells.join(QStringLiteral(", "));
}

QString DigitCount(int count)
{
    return Counted(count, IDS_DIGITS_NONE, IDS_DIGITS_ONE, IDS_DIGITS_MANY);
}

QString GridStateWords(const std::uint8_t grid[9][9], const QString& state)
{
    const int filled = FilledCells(grid);
    const QString empty =
        Counted(kGridSize * kGridSize - filled, IDS_EMPTY_CELLS_NONE, IDS_EMPTY_CELLS_ONE, IDS_EMPTY_CELLS_MANY);
    QString words = AfxLoadString(IDS_GRID_STATE).arg(DigitCount(filled), empty);
    if (!state.isEmpty())
        words += QStringLiteral(". ") + state;
    return words;
}

int FilledCells(const std::uint8_t grid[9][9])
{
    int filled = 0;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            filled += grid[row][col] != 0;
    }
    return filled;
}
