// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellkeyfilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

// The application's filters run in the reverse order of their installation: this one, installed
// after the frame's, sees a key before the frame uses it up.
CellKeyFilter::CellKeyFilter(std::function<void(QWidget*, int, int)> onArrow, std::function<void()> onInput,
                             QObject* parent)
    : QObject(parent), m_onArrow(std::move(onArrow)), m_onInput(std::move(onInput))
{
    QCoreApplication::instance()->installEventFilter(this);
}

void CellKeyFilter::Watch(QWidget* cell)
{
    m_cells.insert(cell);
}

bool CellKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress;
    const bool committed =
        event->type() == QEvent::InputMethod && !static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty();
    if ((!key && !committed) || !m_cells.contains(watched))
        return false;
    m_onInput();
    if (!key)
        return false;
    const auto* press = static_cast<const QKeyEvent*>(event);
    // The keypad's arrows (Num Lock off) count as arrows; with Shift, Ctrl or Alt the key stays the cell's.
    if ((press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (press->key()) {
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
