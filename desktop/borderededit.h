// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "inputmethodedit.h"

// A single-line edit with a bordered frame (WS_BORDER) drawn from its palette, so that it reads
// under light and dark colour schemes alike: a one-pixel border that stands out at least 3:1
// from both the edit's background and the window's, and while the edit has the focus a two-pixel
// inner border in the selection colour.
class BorderedEdit : public InputMethodEdit
{
public:
    BorderedEdit(const QString& text, QWidget* parent);

    // The palette's colour for the border: of the palette's shades and text colours, the one
    // closest to the backgrounds that still stands out 3:1 from both; the text colour if none does.
    static QColor BorderColor(const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The border colour of the palette with this key: worked out again only when the palette changes.
    qint64 m_nPaletteKey = -1;
    QColor m_borderColor;
};
