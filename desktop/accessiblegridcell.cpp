// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblegridcell.h"

#include "accessiblegrid.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// QLineEdit's own spacing between its contents' edges and its text, in pixels.
constexpr int kHorizontalMargin = 2;
} // namespace

AccessibleGridCell::AccessibleGridCell(QLineEdit* cell, AccessibleGrid* grid)
    : QAccessibleWidget(cell, QAccessible::EditableText), m_grid(grid)
{}

QLineEdit* AccessibleGridCell::Edit() const
{
    return static_cast<QLineEdit*>(widget());
}

void* AccessibleGridCell::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::EditableTextInterface:
        return static_cast<QAccessibleEditableTextInterface*>(this);
    case QAccessible::TableCellInterface:
        return static_cast<QAccessibleTableCellInterface*>(this);
    default:
        return QAccessibleWidget::interface_cast(type);
    }
}

QString AccessibleGridCell::text(QAccessible::Text type) const
{
    switch (type) {
    case QAccessible::Name:
        return m_grid ? m_grid->GetWords().cell(rowIndex(), columnIndex()) : QString();
    case QAccessible::Value:
        return Edit()->text();
    default:
        return QAccessibleWidget::text(type);
    }
}

QAccessible::State AccessibleGridCell::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (Edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void AccessibleGridCell::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleGridCell::selectionCount() const
{
    return 0;
}

void AccessibleGridCell::addSelection(int startOffset, int endOffset)
{
    Edit()->setSelection(startOffset, endOffset - startOffset);
}

void AccessibleGridCell::removeSelection(int)
{
    Edit()->deselect();
}

void AccessibleGridCell::setSelection(int, int startOffset, int endOffset)
{
    Edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleGridCell::cursorPosition() const
{
    return Edit()->cursorPosition();
}

void AccessibleGridCell::setCursorPosition(int position)
{
    Edit()->setCursorPosition(position);
}

QString AccessibleGridCell::text(int startOffset, int endOffset) const
{
    return Edit()->text().mid(startOffset, endOffset - startOffset);
}

int AccessibleGridCell::characterCount() const
{
    return static_cast<int>(Edit()->text().size());
}

// Where the line edit draws the character: its text laid out in its contents as its alignment says,
// as QLineEdit paints it.
QRect AccessibleGridCell::characterRect(int offset) const
{
    const QLineEdit* edit = Edit();
    const QString text = edit->text();
    if (offset < 0 || offset >= text.size())
        return {};
    QStyleOptionFrame panel;
    panel.initFrom(edit);
    panel.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, edit) : 0;
    panel.state |= QStyle::State_Sunken;
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, edit)
                               .marginsRemoved(edit->textMargins())
                               .adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
    const QFontMetrics metrics(edit->font());
    const int textWidth = metrics.horizontalAdvance(text);
    const Qt::Alignment alignment = QStyle::visualAlignment(edit->layoutDirection(), edit->alignment());
    int left = contents.left();
    if (alignment & Qt::AlignRight)
        left = contents.right() + 1 - textWidth;
    else if (alignment & Qt::AlignHCenter)
        left = contents.left() + (contents.width() - textWidth) / 2;
    int top = contents.top() + (contents.height() - metrics.height() + 1) / 2;
    if (alignment & Qt::AlignTop)
        top = contents.top();
    else if (alignment & Qt::AlignBottom)
        top = contents.bottom() + 1 - metrics.height();
    const QRect character(left + metrics.horizontalAdvance(text.left(offset)), top,
                          metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return {edit->mapToGlobal(character.topLeft()), character.size()};
}

int AccessibleGridCell::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

// A cell shows its whole text.
void AccessibleGridCell::scrollToSubstring(int, int)
{}

// No attribute runs, as Qt's own line edits: given a run, Orca reads the cell's text again after its
// name, which already says it. A run's language would not change Orca's voice either: it speaks with
// the voice of its settings or its own locale.
QString AccessibleGridCell::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

// Edits made through the interface reach the cell as typing does, and the rules judge them; a
// read-only cell takes none.
void AccessibleGridCell::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleGridCell::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleGridCell::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (Edit()->isReadOnly())
        return;
    Edit()->setSelection(startOffset, endOffset - startOffset);
    Edit()->insert(text);
}

bool AccessibleGridCell::isSelected() const
{
    return false;
}

// The rows and columns are described by the table; they have no header cells of their own.
QList<QAccessibleInterface*> AccessibleGridCell::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> AccessibleGridCell::rowHeaderCells() const
{
    return {};
}

int AccessibleGridCell::columnIndex() const
{
    return m_grid ? m_grid->ColumnOf(widget()) : -1;
}

int AccessibleGridCell::rowIndex() const
{
    return m_grid ? m_grid->RowOf(widget()) : -1;
}

int AccessibleGridCell::columnExtent() const
{
    return 1;
}

int AccessibleGridCell::rowExtent() const
{
    return 1;
}

QAccessibleInterface* AccessibleGridCell::table() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid->Form()) : nullptr;
}
