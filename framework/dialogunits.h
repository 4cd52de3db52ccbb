// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

// Converts dialog units to pixels for one dialog font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its character height.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};
