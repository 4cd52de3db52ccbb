// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

// What screen readers are told of a grid of line edits: the form that holds them is a table of
// their rows and columns, named; each cell is an editable text named by its content first, then its
// place, so that moving onto a cell says what it holds before where it is. A cell's name is made
// when asked for, so it is always current; when it changes (the cell's text changes, or the cell
// becomes read-only or editable again), screen readers that keep names are told, once the change
// is complete.
class AccessibleGrid : public QObject
{
public:
    struct Words
    {
        QString grid;                                  // the table's name
        std::function<QString(int row, int col)> cell; // a cell's name, computed when asked
        std::function<QString(int row)> row;           // a row's description
        std::function<QString(int col)> column;        // a column's description
    };

    // cells holds the line edits row by row; they are children of form. Owned by form.
    AccessibleGrid(QWidget* form, std::vector<std::vector<QLineEdit*>> cells, Words words);
    ~AccessibleGrid() override;

    // The grid that shows this widget, as its form or as one of its cells, or null.
    static AccessibleGrid* Of(const QWidget* widget);

    QWidget* Form() const { return m_form; }
    int RowCount() const;
    int ColumnCount() const;
    QLineEdit* CellAt(int row, int col) const;
    // The cell's row and column; -1 for a widget that is no cell of the grid.
    int RowOf(const QWidget* cell) const;
    int ColumnOf(const QWidget* cell) const;
    const Words& GetWords() const { return m_words; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MarkChanged(QLineEdit* cell);
    void TellChanged();
    void TellChanged(QLineEdit* cell);

    QWidget* m_form;
    std::vector<std::vector<QLineEdit*>> m_cells;
    QHash<const QWidget*, std::pair<int, int>> m_places;
    Words m_words;
    QHash<const QLineEdit*, QString> m_toldNames; // the names that screen readers were last told
    QSet<QLineEdit*> m_changed;                   // cells whose name may differ from the one told
    bool m_bTellQueued = false;
};
