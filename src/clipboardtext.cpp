// SPDX-License-Identifier: GPL-3.0-or-later

#include "clipboardtext.h"

namespace {
const QString kGridFileHeader = QStringLiteral("version 01");

bool IsBorder(QChar c)
{
    return c.isSpace() || QStringLiteral("|+-=:").contains(c);
}

// The cell a character stands for: 0 for an empty cell, 1..9 for a digit, none for any other character.
std::optional<std::uint8_t> CellOf(QChar c)
{
    if (c >= u'1' && c <= u'9')
        return static_cast<std::uint8_t>(c.unicode() - u'0');
    if (QStringLiteral("0._*").contains(c))
        return std::uint8_t(0);
    return std::nullopt;
}

QStringView WithoutGridFileHeader(QStringView text)
{
    if (!text.startsWith(kGridFileHeader))
        return text;
    const QStringView rest = text.mid(kGridFileHeader.size());
    return rest.startsWith(u'\r') || rest.startsWith(u'\n') ? rest : text;
}
} // namespace

QString GridLine(const std::uint8_t grid[kGridSize][kGridSize])
{
    QString line;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const std::uint8_t value = grid[row][col];
            line += value >= 1 && value <= 9 ? QChar(u'0' + value) : QChar(u'.');
        }
    }
    return line + u'\n';
}

PastedText ReadPastedText(const QString& text)
{
    PastedText pasted;
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 1 && trimmed[0] >= u'1' && trimmed[0] <= u'9') {
        pasted.kind = PastedText::Digit;
        pasted.digit = trimmed[0].unicode() - u'0';
        return pasted;
    }
    std::size_t count = 0;
    for (const QChar c : WithoutGridFileHeader(text)) {
        if (IsBorder(c))
            continue;
        const std::optional<std::uint8_t> cell = CellOf(c);
        if (!cell || count == pasted.cells.size())
            return {};
        pasted.cells[count++] = *cell;
    }
    if (count != pasted.cells.size())
        return {};
    pasted.kind = PastedText::Grid;
    return pasted;
}

std::optional<GridConflict> FirstConflict(const GridCells& cells)
{
    const auto at = [&cells](int row, int col) { return cells[static_cast<std::size_t>(row * kGridSize + col)]; };
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const int digit = at(row, col);
            if (digit == 0)
                continue;
            for (int j = 0; j < col; ++j) {
                if (at(row, j) == digit)
                    return GridConflict{digit, GridConflict::Row, row};
            }
            for (int i = 0; i < row; ++i) {
                if (at(i, col) == digit)
                    return GridConflict{digit, GridConflict::Column, col};
            }
            const int row0 = row / kBoxSize * kBoxSize;
            const int col0 = col / kBoxSize * kBoxSize;
            for (int i = row0; i <= row; ++i) {
                for (int j = col0; j < col0 + kBoxSize && (i < row || j < col); ++j) {
                    if (at(i, j) == digit)
                        return GridConflict{digit, GridConflict::Box, row / kBoxSize * kBoxSize + col / kBoxSize};
                }
            }
        }
    }
    return std::nullopt;
}
