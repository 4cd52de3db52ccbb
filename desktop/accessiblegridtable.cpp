// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblegridtable.h"

#include "accessiblegrid.h"

#include <QLineEdit>

AccessibleGridTable::AccessibleGridTable(QWidget* form, AccessibleGrid* grid)
    : QAccessibleWidget(form, QAccessible::Table), m_grid(grid)
{}

void* AccessibleGridTable::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleGridTable::text(QAccessible::Text type) const
{
    if (type == QAccessible::Name && m_grid)
        return m_grid->GetWords().grid;
    return QAccessibleWidget::text(type);
}

int AccessibleGridTable::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* AccessibleGridTable::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columns, index % columns);
}

int AccessibleGridTable::indexOfChild(const QAccessibleInterface* child) const
{
    if (!m_grid || !child || !child->object() || !child->object()->isWidgetType())
        return -1;
    const auto* cell = static_cast<const QWidget*>(child->object());
    const int row = m_grid->RowOf(cell);
    return row < 0 ? -1 : row * columnCount() + m_grid->ColumnOf(cell);
}

QAccessibleInterface* AccessibleGridTable::caption() const
{
    return nullptr;
}

QAccessibleInterface* AccessibleGridTable::summary() const
{
    return nullptr;
}

QAccessibleInterface* AccessibleGridTable::cellAt(int row, int column) const
{
    if (!m_grid || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return QAccessible::queryAccessibleInterface(m_grid->CellAt(row, column));
}

int AccessibleGridTable::selectedCellCount() const
{
    return 0;
}

QList<QAccessibleInterface*> AccessibleGridTable::selectedCells() const
{
    return {};
}

QString AccessibleGridTable::columnDescription(int column) const
{
    return m_grid ? m_grid->GetWords().column(column) : QString();
}

int AccessibleGridTable::columnCount() const
{
    return m_grid ? m_grid->ColumnCount() : 0;
}

QString AccessibleGridTable::rowDescription(int row) const
{
    return m_grid ? m_grid->GetWords().row(row) : QString();
}

int AccessibleGridTable::rowCount() const
{
    return m_grid ? m_grid->RowCount() : 0;
}

// The grid's cells are edited, not selected: the table has no selection.
int AccessibleGridTable::selectedColumnCount() const
{
    return 0;
}

int AccessibleGridTable::selectedRowCount() const
{
    return 0;
}

QList<int> AccessibleGridTable::selectedColumns() const
{
    return {};
}

QList<int> AccessibleGridTable::selectedRows() const
{
    return {};
}

bool AccessibleGridTable::isColumnSelected(int) const
{
    return false;
}

bool AccessibleGridTable::isRowSelected(int) const
{
    return false;
}

bool AccessibleGridTable::selectRow(int)
{
    return false;
}

bool AccessibleGridTable::selectColumn(int)
{
    return false;
}

bool AccessibleGridTable::unselectRow(int)
{
    return false;
}

bool AccessibleGridTable::unselectColumn(int)
{
    return false;
}

// The grid's shape never changes.
void AccessibleGridTable::modelChange(QAccessibleTableModelChangeEvent*)
{}
