// SPDX-License-Identifier: GPL-3.0-or-later

#include "borderededit.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMinContrast = 3.0;

// Relative luminance of a colour on screen, as the usual contrast measure defines it.
double Luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

BorderedEdit::BorderedEdit(const QString& text, QWidget* parent) : InputMethodEdit(text, parent)
{}

QColor BorderedEdit::BorderColor(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor window = palette.color(QPalette::Window);
    QColor best = palette.color(QPalette::Text);
    double bestContrast = std::min(Contrast(best, base), Contrast(best, window));
    for (const QPalette::ColorRole role :
         {QPalette::Shadow, QPalette::Dark, QPalette::Mid, QPalette::Midlight, QPalette::Light, QPalette::WindowText}) {
        const QColor candidate = palette.color(role);
        const double contrast = std::min(Contrast(candidate, base), Contrast(candidate, window));
        if (contrast >= kMinContrast && (bestContrast < kMinContrast || contrast < bestContrast)) {
            best = candidate;
            bestContrast = contrast;
        }
    }
    return best;
}

// Over the style's own frame, whose outline some styles draw in a shade of the background. Drawn in
// device pixels, so that at a scale of 1.5 the border is whole pixels and covers the outline.
void BorderedEdit::paintEvent(QPaintEvent* event)
{
    InputMethodEdit::paintEvent(event);
    QPainter painter(this);
    const qreal scale = painter.device()->devicePixelRatioF();
    painter.scale(1 / scale, 1 / scale);
    const int line = std::max(1, qRound(scale));
    QRect edge(0, 0, qRound(width() * scale), qRound(height() * scale));
    const auto frame = [&](const QColor& colour) {
        painter.fillRect(edge.left(), edge.top(), edge.width(), line, colour);
        painter.fillRect(edge.left(), edge.bottom() - line + 1, edge.width(), line, colour);
        painter.fillRect(edge.left(), edge.top(), line, edge.height(), colour);
        painter.fillRect(edge.right() - line + 1, edge.top(), line, edge.height(), colour);
        edge.adjust(line, line, -line, -line);
    };
    if (palette().cacheKey() != m_nPaletteKey) {
        m_nPaletteKey = palette().cacheKey();
        m_borderColor = BorderColor(palette());
    }
    frame(m_borderColor);
    if (hasFocus()) {
        frame(palette().color(QPalette::Highlight));
        frame(palette().color(QPalette::Highlight));
    }
}
