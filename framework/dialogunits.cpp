// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogunits.h"

#include <QFontMetrics>

namespace {
// a * b / c, rounded to the nearest whole number.
int MulDiv(int a, int b, int c)
{
    return (2 * a * b + c) / (2 * c);
}
} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width over the 52 Latin letters, rounded, as the dialog manager measures it.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = MulDiv(letters, 1, 52);
    m_baseY = metrics.height();
}

int DialogUnits::ToPixelsX(int x) const
{
    return MulDiv(x, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int y) const
{
    return MulDiv(y, m_baseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy)};
}
