// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QAction;
class QToolBar;
class QToolButton;

// Qt lays a toolbar's buttons out in one line only. While the toolbar floats, this panel covers that
// line, beside the bar's gripper, with buttons for the same actions in rows, and lets the user reshape
// the bar by dragging its right or bottom edge: narrower, the buttons wrap into more rows; wider, into
// fewer. Docked again, the panel hides and the bar is its own line.
class ToolPalette : public QWidget
{
public:
    explicit ToolPalette(QToolBar* toolBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Item
    {
        QPointer<QAction> action;
        QToolButton* button; // none for a separator
    };

    void SetFloating(bool floating);
    // The wrap width that keeps the buttons in one line along the bar.
    int OneLine() const;
    void MakeButtons();
    // Sizes the bar to its rows, then places the items.
    void Fit();
    QSize FittedSize() const;
    void Arrange();
    // Where each item goes in rows at most width wide; an empty place hides the item.
    std::vector<QRect> Flow(int width) const;
    QSize FlowSize(int width) const;
    // The widest rows whose height comes nearest to the given one.
    int WidthForHeight(int height) const;
    // The palette's top left in the bar, beside the gripper, which stays the bar's to drag it away or back.
    QPoint Origin() const;
    QMargins Padding() const;
    // The bar's size less its rows'.
    QSize Chrome() const;
    Qt::Edges EdgesAt(QPoint pos) const;

    QToolBar* m_toolBar;
    std::vector<Item> m_items;
    std::vector<QRect> m_separators;
    int m_wrapWidth = 0; // how wide the rows may be
    bool m_fitting = false;
    Qt::Edges m_dragEdges;
    QPoint m_pressPos;
    QSize m_pressSize;
};
