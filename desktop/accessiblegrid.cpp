// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblegrid.h"

#include "accessiblegridcell.h"
#include "accessiblegridtable.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>

namespace {
// Every grid's form and cells, with their grid.
QHash<const QWidget*, AccessibleGrid*>& Grids()
{
    static QHash<const QWidget*, AccessibleGrid*> grids;
    return grids;
}

QAccessibleInterface* GridInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    AccessibleGrid* grid = Grids().value(widget);
    if (!grid)
        return nullptr;
    if (widget == grid->Form())
        return new AccessibleGridTable(widget, grid);
    return new AccessibleGridCell(static_cast<QLineEdit*>(widget), grid);
}

// An interface that Qt made before the grid was known is dropped, for the grid's to take its place.
void ReplaceInterface(QWidget* widget)
{
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(widget);
    if (existing && !dynamic_cast<AccessibleGridTable*>(existing) && !dynamic_cast<AccessibleGridCell*>(existing))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
}
} // namespace

AccessibleGrid::AccessibleGrid(QWidget* form, std::vector<std::vector<QLineEdit*>> cells, Words words)
    : QObject(form), m_form(form), m_cells(std::move(cells)), m_words(std::move(words))
{
    static const bool installed = (QAccessible::installFactory(GridInterface), true);
    Q_UNUSED(installed);
    Grids().insert(m_form, this);
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColumnCount(); ++col) {
            QLineEdit* cell = CellAt(row, col);
            m_places.insert(cell, {row, col});
            Grids().insert(cell, this);
            connect(cell, &QLineEdit::textChanged, this, [this, cell] { MarkChanged(cell); });
            cell->installEventFilter(this);
            m_toldNames.insert(cell, m_words.cell(row, col));
        }
    }
    ReplaceInterface(m_form);
    for (const auto& row : m_cells) {
        for (QLineEdit* cell : row)
            ReplaceInterface(cell);
    }
}

AccessibleGrid::~AccessibleGrid()
{
    for (auto it = Grids().begin(); it != Grids().end();) {
        if (it.value() == this)
            it = Grids().erase(it);
        else
            ++it;
    }
}

AccessibleGrid* AccessibleGrid::Of(const QWidget* widget)
{
    return Grids().value(widget);
}

int AccessibleGrid::RowCount() const
{
    return static_cast<int>(m_cells.size());
}

int AccessibleGrid::ColumnCount() const
{
    return m_cells.empty() ? 0 : static_cast<int>(m_cells.front().size());
}

QLineEdit* AccessibleGrid::CellAt(int row, int col) const
{
    return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

int AccessibleGrid::RowOf(const QWidget* cell) const
{
    return m_places.value(cell, {-1, -1}).first;
}

int AccessibleGrid::ColumnOf(const QWidget* cell) const
{
    return m_places.value(cell, {-1, -1}).second;
}

// A cell that becomes read-only or editable again may be named for it.
bool AccessibleGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        MarkChanged(static_cast<QLineEdit*>(watched));
    return false;
}

// Told once the events at hand are over, when the cells' texts and whatever their names come from
// agree again, whichever the program changed first (a grid read from a file shows its texts before
// its values are stored).
void AccessibleGrid::MarkChanged(QLineEdit* cell)
{
    m_changed.insert(cell);
    if (m_bTellQueued)
        return;
    m_bTellQueued = true;
    QMetaObject::invokeMethod(this, qOverload<>(&AccessibleGrid::TellChanged), Qt::QueuedConnection);
}

void AccessibleGrid::TellChanged()
{
    m_bTellQueued = false;
    const QSet<QLineEdit*> changed = std::exchange(m_changed, {});
    for (QLineEdit* cell : changed)
        TellChanged(cell);
}

void AccessibleGrid::TellChanged(QLineEdit* cell)
{
    const QString name = m_words.cell(RowOf(cell), ColumnOf(cell));
    QString& told = m_toldNames[cell];
    if (name == told)
        return;
    told = name;
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
