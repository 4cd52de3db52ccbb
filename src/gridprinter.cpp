// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridprinter.h"

#include <QPainter>
#include <QPrinter>

namespace {
void DrawPage(QPainter& painter, const QRectF& page, const QString& title,
              const std::uint8_t grid[kGridSize][kGridSize])
{
    const qreal point = painter.device()->logicalDpiY() / 72.0;

    QFont titleFont;
    titleFont.setPointSizeF(20);
    painter.setFont(titleFont);
    const qreal titleHeight = QFontMetricsF(titleFont, painter.device()).height();
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     title);

    const QRectF below(page.left(), page.top() + 2 * titleHeight, page.width(), page.height() - 2 * titleHeight);
    // A tenth of the room is left around the grid: some printers' margins are narrow.
    const qreal side = std::min(below.width(), below.height()) * 0.9;
    QRectF square(0, 0, side, side);
    square.moveCenter(below.center());
    const qreal cell = side / kGridSize;

    for (int line = 0; line <= kGridSize; ++line) {
        const bool boxEdge = line % kBoxSize == 0;
        painter.setPen(QPen(Qt::black, (boxEdge ? 2.5 : 0.75) * point, Qt::SolidLine, Qt::SquareCap));
        const qreal x = square.left() + line * cell;
        const qreal y = square.top() + line * cell;
        painter.drawLine(QPointF(x, square.top()), QPointF(x, square.bottom()));
        painter.drawLine(QPointF(square.left(), y), QPointF(square.right(), y));
    }

    QFont digitFont;
    digitFont.setPixelSize(qRound(cell * 0.6));
    painter.setFont(digitFont);
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (grid[row][col] >= 1 && grid[row][col] <= 9)
                painter.drawText(QRectF(square.left() + col * cell, square.top() + row * cell, cell, cell),
                                 Qt::AlignCenter, QString::number(grid[row][col]));
        }
    }
}
} // namespace

bool PrintGrid(QPrinter& printer, const QString& title, const std::uint8_t grid[kGridSize][kGridSize])
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            printer.newPage();
        DrawPage(painter, page, title, grid);
    }
    return painter.end();
}
