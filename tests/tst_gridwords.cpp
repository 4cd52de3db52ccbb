// SPDX-License-Identifier: GPL-3.0-or-later

#include "carrelixresources.h"
#include "gridliteral.h"
#include "gridwords.h"
#include "resources.h"

#include <QTest>

namespace {
const QByteArray kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
} // namespace

// What the overview keys and the grid-wide notices say: a unit's cells in reading order, how many
// digits and empty cells, each with its singular and its "none".
class GridWords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AfxSetResourceHandle(&CarrelixResources()); }

    // (row, col) is the focused cell: its row, column or box is read.
    void unitReadsItsCellsInOrder_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("words");
        QTest::newRow("row 4") << int(GridUnit::Row) << 3 << 7
                               << "Ligne 4. 8, vide, vide, vide, 6, vide, vide, vide, 3";
        QTest::newRow("column 2") << int(GridUnit::Column) << 6 << 1
                                  << "Colonne 2. 3, vide, 9, vide, vide, vide, 6, vide, vide";
        // Box 5, the centre, read row by row from any of its cells.
        QTest::newRow("box 5") << int(GridUnit::Box) << 5 << 3 << "Carré 5. vide, 6, vide, 8, vide, 3, vide, 2, vide";
        QTest::newRow("box 9") << int(GridUnit::Box) << 8 << 8 << "Carré 9. 2, 8, vide, vide, vide, 5, vide, 7, 9";
    }

    void unitReadsItsCellsInOrder()
    {
        QFETCH(int, unit);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, words);
        QCOMPARE(UnitWords(GridOf(kPuzzle).cells, GridUnit(unit), row, col), words);
    }

    void gridStateCountsDigitsAndEmptyCells_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QString>("state"); // what the solutions pane would say
        QTest::addColumn<QString>("words");
        QTest::newRow("empty") << QByteArray(81, '.') << ""
                               << "Grille, aucun chiffre, 81 cases vides";
        QTest::newRow("one digit") << QByteArray(80, '.') + "5"
                                   << ""
                                   << "Grille, 1 chiffre, 80 cases vides";
        QTest::newRow("a puzzle, with the pane's text") << kPuzzle << "Une solution"
                                                        << "Grille, 30 chiffres, 51 cases vides. Une solution";
        QTest::newRow("one cell empty") << QByteArray(80, '1') + "."
                                        << ""
                                        << "Grille, 80 chiffres, 1 case vide";
        QTest::newRow("full") << QByteArray(81, '1') << ""
                              << "Grille, 81 chiffres, aucune case vide";
    }

    void gridStateCountsDigitsAndEmptyCells()
    {
        QFETCH(QByteArray, grid);
        QFETCH(QString, state);
        QFETCH(QString, words);
        QCOMPARE(GridStateWords(GridOf(grid).cells, state), words);
    }

    // A cell's content, then its place: what a screen reader says first when the focus arrives.
    void cellSaysItsContentThenItsPlace()
    {
        QCOMPARE(CellWords(0, false) + ", " + CellPlace(3, 7), QString("vide, ligne 4, colonne 8, carré 6"));
        QCOMPARE(CellWords(5, false), QString("5"));
        QCOMPARE(CellWords(5, true), QString("5, donné"));
    }
};

QTEST_GUILESS_MAIN(GridWords)
#include "tst_gridwords.moc"
