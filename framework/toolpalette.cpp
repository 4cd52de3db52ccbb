// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolpalette.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>

namespace {
// How far in from the right and bottom edges the pointer takes hold of them.
constexpr int kEdgeGrip = 5;
} // namespace

ToolPalette::ToolPalette(QToolBar* toolBar) : QWidget(toolBar), m_toolBar(toolBar)
{
    hide();                 // until the bar floats
    setMouseTracking(true); // for the edges' pointer shapes
    toolBar->installEventFilter(this);
    connect(toolBar, &QToolBar::topLevelChanged, this, &ToolPalette::SetFloating);
}

void ToolPalette::SetFloating(bool floating)
{
    if (floating) {
        // The bar's own layout would keep the window at least one button and its overflow arrow wide.
        m_toolBar->setMinimumSize(1, 1);
        MakeButtons();
        show();
        m_wrapWidth = OneLine();
        Fit();
    } else {
        hide();
        for (const Item& item : m_items)
            delete item.button;
        m_items.clear();
        m_toolBar->setMinimumSize(0, 0);
    }
}

int ToolPalette::OneLine() const
{
    return m_toolBar->orientation() == Qt::Horizontal ? INT_MAX : 0;
}

void ToolPalette::MakeButtons()
{
    for (const Item& item : m_items)
        delete item.button;
    m_items.clear();
    for (QAction* action : m_toolBar->actions()) {
        QToolButton* button = nullptr;
        if (!action->isSeparator()) {
            button = new QToolButton(this);
            if (const auto* own = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action)))
                button->setAutoRaise(own->autoRaise());
            button->setToolButtonStyle(m_toolBar->toolButtonStyle());
            button->setIconSize(m_toolBar->iconSize());
            button->setFocusPolicy(Qt::NoFocus);
            button->setCursor(Qt::ArrowCursor); // not an edge's
            button->setDefaultAction(action);
        }
        m_items.push_back({action, button});
    }
    // Above the bar's own buttons, also those made after this.
    raise();
}

void ToolPalette::Fit()
{
    if (isHidden())
        return;
    const QScopedValueRollback fitting(m_fitting, true);
    m_toolBar->resize(FittedSize());
    Arrange();
}

QSize ToolPalette::FittedSize() const
{
    return Chrome() + FlowSize(m_wrapWidth);
}

void ToolPalette::Arrange()
{
    setGeometry(QRect(Origin(), m_toolBar->rect().bottomRight()));
    const QMargins padding = Padding();
    const std::vector<QRect> places = Flow(m_wrapWidth);
    m_separators.clear();
    for (size_t i = 0; i < m_items.size(); ++i) {
        const QRect place = places[i].translated(padding.left(), padding.top());
        if (m_items[i].button) {
            m_items[i].button->setGeometry(place);
            m_items[i].button->setVisible(!places[i].isNull());
        } else if (!places[i].isNull()) {
            m_separators.push_back(place);
        }
    }
    update();
}

std::vector<QRect> ToolPalette::Flow(int width) const
{
    const int spacing = m_toolBar->layout()->spacing();
    const int separator = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, m_toolBar);
    std::vector<QRect> places(m_items.size());
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    // A separator shows only between two buttons of one row.
    constexpr size_t kNone = std::numeric_limits<size_t>::max();
    size_t pending = kNone;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].action || !m_items[i].action->isVisible())
            continue;
        if (!m_items[i].button) {
            if (x > 0)
                pending = i;
            continue;
        }
        const QSize size = m_items[i].button->sizeHint();
        int left = x == 0 ? 0 : x + spacing + (pending != kNone ? separator + spacing : 0);
        if (x > 0 && left + size.width() > width) {
            y += rowHeight + spacing;
            left = 0;
            rowHeight = 0;
            pending = kNone;
        }
        if (pending != kNone)
            places[pending] = QRect(left - spacing - separator, y, separator, size.height());
        places[i] = QRect(QPoint(left, y), size);
        x = left + size.width();
        rowHeight = std::max(rowHeight, size.height());
        pending = kNone;
    }
    return places;
}

QSize ToolPalette::FlowSize(int width) const
{
    QRect bounds;
    for (const QRect& place : Flow(width))
        bounds |= place;
    return QSize(bounds.right() + 1, bounds.bottom() + 1);
}

int ToolPalette::WidthForHeight(int height) const
{
    int best = INT_MAX;
    int bestGap = INT_MAX;
    // Each step narrows the rows just enough to send one more button down, until one column is left.
    for (int width = INT_MAX;;) {
        const QSize size = FlowSize(width);
        if (size.width() > width)
            break;
        if (std::abs(size.height() - height) < bestGap) {
            best = width;
            bestGap = std::abs(size.height() - height);
        }
        width = size.width() - 1;
    }
    return best;
}

QPoint ToolPalette::Origin() const
{
    if (!m_toolBar->isMovable())
        return {};
    QStyleOptionToolBar option;
    option.initFrom(m_toolBar);
    option.features = QStyleOptionToolBar::Movable;
    const bool horizontal = m_toolBar->orientation() == Qt::Horizontal;
    if (horizontal)
        option.state |= QStyle::State_Horizontal;
    const QRect handle = m_toolBar->style()->subElementRect(QStyle::SE_ToolBarHandle, &option, m_toolBar);
    return horizontal ? QPoint(handle.right() + 1, 0) : QPoint(0, handle.bottom() + 1);
}

QMargins ToolPalette::Padding() const
{
    // Room enough for the pointer to take hold of an edge outside the buttons.
    const int margin = std::max(m_toolBar->layout()->contentsMargins().left(), kEdgeGrip);
    const int spacing = m_toolBar->layout()->spacing();
    return m_toolBar->orientation() == Qt::Horizontal ? QMargins(spacing, margin, margin, margin)
                                                      : QMargins(margin, spacing, margin, margin);
}

QSize ToolPalette::Chrome() const
{
    const QPoint origin = Origin();
    const QMargins padding = Padding();
    return QSize(origin.x() + padding.left() + padding.right(), origin.y() + padding.top() + padding.bottom());
}

Qt::Edges ToolPalette::EdgesAt(QPoint pos) const
{
    Qt::Edges edges;
    edges.setFlag(Qt::RightEdge, pos.x() >= width() - kEdgeGrip);
    edges.setFlag(Qt::BottomEdge, pos.y() >= height() - kEdgeGrip);
    return edges;
}

bool ToolPalette::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_toolBar && !isHidden()) {
        switch (event->type()) {
        case QEvent::Resize:
            // Qt lays the bar out as one line as it leaves its edge or is dragged across the frame's; a
            // size from the window system stands as it is.
            if (!m_fitting && !event->spontaneous())
                m_wrapWidth = OneLine();
            Arrange();
            break;
        case QEvent::Show:
            // Let go of, or shown again.
            Fit();
            break;
        case QEvent::ActionAdded:
        case QEvent::ActionRemoved:
            // Once the bar has made its own button for the action, to look like it.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!isHidden()) {
                        MakeButtons();
                        Fit();
                    }
                },
                Qt::QueuedConnection);
            break;
        case QEvent::ActionChanged:
            // The action may have been shown or hidden.
            Fit();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool ToolPalette::event(QEvent* event)
{
    // The floating bar is a window of its own, where a button's prompt would stop short of the frame.
    if (event->type() == QEvent::StatusTip && m_toolBar->parentWidget()) {
        QCoreApplication::sendEvent(m_toolBar->parentWidget(), event);
        return true;
    }
    return QWidget::event(event);
}

void ToolPalette::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The floating bar's frame, whose side at the gripper the bar draws itself.
    QStyleOption frame;
    frame.initFrom(this);
    frame.rect = QRect(-pos(), m_toolBar->size());
    style()->drawPrimitive(QStyle::PE_FrameMenu, &frame, &painter, m_toolBar);
    QStyleOption separator;
    separator.initFrom(this);
    separator.state |= QStyle::State_Horizontal;
    for (const QRect& place : m_separators) {
        separator.rect = place;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &separator, &painter, m_toolBar);
    }
}

void ToolPalette::mousePressEvent(QMouseEvent* event)
{
    m_dragEdges = event->button() == Qt::LeftButton ? EdgesAt(event->position().toPoint()) : Qt::Edges();
    if (!m_dragEdges) {
        event->ignore();
        return;
    }
    m_pressPos = event->globalPosition().toPoint();
    m_pressSize = m_toolBar->size();
}

void ToolPalette::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragEdges) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint());
        if (edges == (Qt::RightEdge | Qt::BottomEdge))
            setCursor(Qt::SizeFDiagCursor);
        else if (edges)
            setCursor(edges & Qt::RightEdge ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        else
            unsetCursor();
        return;
    }
    const QPoint moved = event->globalPosition().toPoint() - m_pressPos;
    const QSize wanted = m_pressSize + QSize(moved.x(), moved.y()) - Chrome();
    // The corner follows the pointer's larger move.
    const bool byWidth = !(m_dragEdges & Qt::BottomEdge) ||
                         ((m_dragEdges & Qt::RightEdge) && std::abs(moved.x()) >= std::abs(moved.y()));
    m_wrapWidth = byWidth ? wanted.width() : WidthForHeight(wanted.height());
    Fit();
}

void ToolPalette::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragEdges)
        event->ignore();
    m_dragEdges = {};
}
