#include "cellids.h"
#include "dialogunits.h"
#include "gridwindow.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cstring>

// The form of 81 cells, its cell map and what each initial update does to it.
class GridForm : public QObject
{
    Q_OBJECT

private:
    static QScrollArea* Area(const GridWindow& window)
    {
        return static_cast<QScrollArea*>(window.View().GetSafeHwnd());
    }

    static bool ShowsWholeForm(const GridWindow& window)
    {
        const QScrollArea* area = Area(window);
        return area->viewport()->size() == area->widget()->size();
    }

private slots:
    void firstInitialUpdateMapsCellsInTabOrder()
    {
        const GridWindow window;
        const CNinegridView& view = window.View();
        QVERIFY(view.m_bCellIdsBuilt);
        QCOMPARE(std::memcmp(view.m_cellIds, kCellIds, sizeof kCellIds), 0);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                QCOMPARE(view.m_grid[row][col], BYTE(0));
                QCOMPARE(window.Cell(row, col)->text(), QString());
            }
        }
    }

    void cellsStandWhereTheFormPutsThem()
    {
        const GridWindow window;
        const QWidget* form = Area(window)->widget();
        const DialogUnits units(form->font());
        QCOMPARE(form->size(), units.ToPixels(0, 0, 200, 188).size());
        QCOMPARE(form->font().pointSize(), 8);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                const QLineEdit* cell = window.Cell(row, col);
                const int x = 18 + 17 * col + 3 * (col / 3);
                const int y = 12 + 17 * row + 3 * (row / 3);
                QCOMPARE(cell->geometry(), units.ToPixels(x, y, 18, 18));
                QCOMPARE(cell->alignment(), Qt::AlignCenter);
                QVERIFY(cell->hasFrame());
                QVERIFY(cell->isVisible());
                QCOMPARE(cell->maxLength(), std::numeric_limits<int>::max());
            }
        }
    }

    void tabVisitsCellsRowByRowAndWraps()
    {
        const GridWindow window;
        for (int k = 1; k <= 81; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(window.FocusedId(), int(kCellIds[k % 81 / 9][k % 9]));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(window.FocusedId(), int(kCellIds[8][8]));
    }

    void laterInitialUpdateClearsGridQuietly()
    {
        GridWindow window;
        window.Click(0, 0);
        window.Type("123");
        window.Click(8, 8);
        window.Type("9");
        window.Click(5, 4);
        window.beeps.clear();
        const StdoutCapture out;

        window.View().OnInitialUpdate();
        QCOMPARE(std::memcmp(window.View().m_cellIds, kCellIds, sizeof kCellIds), 0);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                QCOMPARE(window.View().m_grid[row][col], BYTE(0));
                QCOMPARE(window.Cell(row, col)->text(), QString());
            }
        }
        QCOMPARE(window.FocusedId(), int(kCellIds[5][4]));
        QVERIFY(window.beeps.empty());
        QCOMPARE(out.Bytes(), QByteArray());
        window.Type("1"); // the grid takes keys again
        QCOMPARE(window.View().m_grid[5][4], BYTE(1));
        QCOMPARE(window.FocusedId(), int(kCellIds[5][5]));
    }

    void formWithoutFirstControlMapsOnlyItsId()
    {
        GridWindow window(false);
        delete window.Cell(0, 0);
        window.View().OnInitialUpdate();
        const CNinegridView& view = window.View();
        QVERIFY(view.m_bCellIdsBuilt);
        QCOMPARE(view.m_cellIds[0][0], 1000u);
        for (int k = 1; k < 81; ++k)
            QCOMPARE(view.m_cellIds[k / 9][k % 9], kNoCell);

        window.View().m_grid[3][3] = 4;
        window.Cell(3, 3)->setText("4"); // no cell of the map: refused silently and emptied
        QCOMPARE(window.Cell(3, 3)->text(), QString());
        g_bSuppressCellChange = true;
        window.Cell(3, 3)->setText("4");
        g_bSuppressCellChange = false;
        window.View().OnInitialUpdate();
        QCOMPARE(window.View().m_grid[3][3], BYTE(0));
        QCOMPARE(window.Cell(3, 3)->text(), QString("4")); // the clearing writes only mapped cells
        QVERIFY(window.beeps.empty());
    }

    void initialUpdateShrinksLargeFrameToForm()
    {
        GridWindow window;
        QVERIFY(ShowsWholeForm(window));
        QVERIFY(!Area(window)->verticalScrollBar()->isVisible());
        const QSize fitted = window.Frame().size();

        window.Frame().resize(fitted + QSize(150, 100));
        QTRY_COMPARE(Area(window)->viewport()->width(), Area(window)->widget()->width() + 150);
        window.View().OnInitialUpdate();
        QCOMPARE(window.Frame().size(), fitted);
        QTRY_VERIFY(ShowsWholeForm(window));
    }

    void initialUpdateKeepsSmallFrameWhichScrolls()
    {
        GridWindow window;
        const QSize small = window.Frame().size() - QSize(0, 120);
        window.Frame().resize(small);
        window.View().OnInitialUpdate();
        QCOMPARE(window.Frame().size(), small);
        QTRY_VERIFY(Area(window)->verticalScrollBar()->isVisible());

        window.Click(8, 0); // a focused cell is scrolled into sight
        const QRect cell(window.Cell(8, 0)->mapTo(Area(window)->viewport(), QPoint()), window.Cell(8, 0)->size());
        QVERIFY(Area(window)->viewport()->rect().contains(cell));
    }
};

QTEST_MAIN(GridForm)
#include "tst_gridform.moc"
