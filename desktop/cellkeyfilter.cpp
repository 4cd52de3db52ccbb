// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellkeyfilter.h"

#include <QKeyEvent>
#include <QWidget>

CellKeyFilter::CellKeyFilter(std::function<void(QWidget*, int, int)> onArrow, std::function<void()> onKey,
                             QObject* parent)
    : QObject(parent), m_onArrow(std::move(onArrow)), m_onKey(std::move(onKey))
{}

bool CellKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    m_onKey();
    const auto* key = static_cast<const QKeyEvent*>(event);
    // The keypad's arrows (Num Lock off) count as arrows; with Shift, Ctrl or Alt the key stays the cell's.
    if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Up:
            m_onArrow(static_cast<QWidget*>(watched), -1, 0);
            return true;
        case Qt::Key_Down:
            m_onArrow(static_cast<QWidget*>(watched), 1, 0);
            return true;
        case Qt::Key_Left:
            m_onArrow(static_cast<QWidget*>(watched), 0, -1);
            return true;
        case Qt::Key_Right:
            m_onArrow(static_cast<QWidget*>(watched), 0, 1);
            return true;
        default:
            break;
        }
    }
    return false;
}
