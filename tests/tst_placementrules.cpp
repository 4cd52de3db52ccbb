// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellids.h"
#include "messagebeep.h"
#include "ninegridview.h"
#include "stdoutcapture.h"

#include <QTest>

#include <cstring>

namespace {
struct Placed
{
    int row, col;
    BYTE value;
};
} // namespace

Q_DECLARE_METATYPE(std::vector<Placed>)

// The rules on their own: no window, the cell map filled as the form would fill it.
class PlacementRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CNinegridView> m_view;
    int m_beeps = 0;

private slots:
    void init()
    {
        m_view = std::make_unique<CNinegridView>();
        std::memcpy(m_view->m_cellIds, kCellIds, sizeof kCellIds);
        m_beeps = 0;
        SetMessageBeepHook([this](UINT type) {
            QCOMPARE(type, MB_OK);
            ++m_beeps;
        });
    }

    void cleanup() { SetMessageBeepHook({}); }

    void checkPlacement_data()
    {
        QTest::addColumn<std::vector<Placed>>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("message");

        const QByteArray row = "valeur trouv\xE9"
                               "e dans ligne";
        const QByteArray box = "valeur trouv\xE9"
                               "e dans carr\xE9 (3x3)";
        QTest::newRow("empty grid") << std::vector<Placed>{} << 4 << 2 << 5 << QByteArray();
        QTest::newRow("zero beside conflicts")
            << std::vector<Placed>{{4, 0, 5}, {0, 2, 5}} << 4 << 2 << 0 << QByteArray();
        QTest::newRow("own value") << std::vector<Placed>{{4, 2, 5}} << 4 << 2 << 5 << QByteArray();
        QTest::newRow("row") << std::vector<Placed>{{4, 8, 5}} << 4 << 2 << 5 << row;
        QTest::newRow("row before column") << std::vector<Placed>{{4, 8, 5}, {7, 2, 5}} << 4 << 2 << 5 << row;
        QTest::newRow("lowest column row named") << std::vector<Placed>{{1, 2, 5}, {7, 2, 5}} << 4 << 2 << 5
                                                 << QByteArray("valeur trouv\xE9"
                                                               "e dans colonne [1, 2]");
        QTest::newRow("column below") << std::vector<Placed>{{8, 6, 3}} << 0 << 6 << 3
                                      << QByteArray("valeur trouv\xE9"
                                                    "e dans colonne [8, 6]");
        QTest::newRow("middle box") << std::vector<Placed>{{3, 5, 5}} << 4 << 4 << 5 << box;
        QTest::newRow("last box") << std::vector<Placed>{{6, 6, 5}} << 8 << 8 << 5 << box;
        QTest::newRow("first box") << std::vector<Placed>{{2, 2, 9}} << 0 << 0 << 9 << box;
        QTest::newRow("top right box") << std::vector<Placed>{{2, 8, 5}} << 0 << 6 << 5 << box;
        QTest::newRow("bottom left box") << std::vector<Placed>{{8, 0, 4}} << 7 << 1 << 4 << box;
        QTest::newRow("box across the diagonal is free")
            << std::vector<Placed>{{1, 1, 5}} << 0 << 6 << 5 << QByteArray();
        QTest::newRow("neighbouring box is free") << std::vector<Placed>{{3, 3, 5}} << 2 << 2 << 5 << QByteArray();
        QTest::newRow("conflicts elsewhere")
            << std::vector<Placed>{{0, 0, 5}, {0, 1, 5}, {1, 0, 5}} << 8 << 8 << 5 << QByteArray();
        QTest::newRow("other digit") << std::vector<Placed>{{4, 8, 6}, {3, 1, 4}} << 4 << 2 << 5 << QByteArray();
    }

    void checkPlacement()
    {
        QFETCH(std::vector<Placed>, grid);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, value);
        QFETCH(QByteArray, message);
        for (const Placed& placed : grid)
            m_view->m_grid[placed.row][placed.col] = placed.value;

        const StdoutCapture out;
        QCOMPARE(bool(m_view->CheckPlacement(row, col, BYTE(value))), message.isEmpty());
        QCOMPARE(out.Bytes(), message);
        QCOMPARE(m_beeps, message.isEmpty() ? 0 : 1);
    }

    void findCellReturnsPositionOrNine()
    {
        int row = -1;
        int col = -1;
        m_view->FindCell(1110, row, col);
        QCOMPARE(row, 4);
        QCOMPARE(col, 2);
        m_view->FindCell(1152, row, col);
        QCOMPARE(row, 8);
        QCOMPARE(col, 8);
        for (const UINT unknown : {999u, 1009u, 1098u, 1153u, kNoCell}) {
            m_view->FindCell(unknown, row, col);
            QCOMPARE(row, 9);
            QCOMPARE(col, 9);
        }
    }

    void setCellValueStoresWhatTheRulesAllow()
    {
        const StdoutCapture out;
        QVERIFY(m_view->SetCellValue(1110, 5));
        QCOMPARE(m_view->m_grid[4][2], BYTE(5));
        QVERIFY(m_view->SetCellValue(1110, 5));  // its own value is no conflict
        QVERIFY(!m_view->SetCellValue(1116, 5)); // row 4
        QCOMPARE(m_view->m_grid[4][8], BYTE(0));
        QCOMPARE(m_beeps, 1);
        QVERIFY(m_view->SetCellValue(1110, 0));
        QCOMPARE(m_view->m_grid[4][2], BYTE(0));
        QVERIFY(m_view->SetCellValue(1116, 5));
        QCOMPARE(m_view->m_grid[4][8], BYTE(5));
        QCOMPARE(out.Bytes(), QByteArray("valeur trouv\xE9"
                                         "e dans ligne"));
    }

    void setCellValueOfUnknownIdChangesNothingSilently()
    {
        m_view->m_grid[0][0] = 3;
        const StdoutCapture out;
        for (const UINT unknown : {0u, 1009u, 1153u, kNoCell}) {
            QVERIFY(!m_view->SetCellValue(unknown, 3));
            QVERIFY(!m_view->SetCellValue(unknown, 0));
        }
        QCOMPARE(m_beeps, 0);
        QCOMPARE(out.Bytes(), QByteArray());
        QCOMPARE(m_view->m_grid[0][0], BYTE(3));
    }

    void zeroIsStoredEvenAmongConflicts()
    {
        for (int j = 0; j < 9; ++j)
            m_view->m_grid[4][j] = BYTE(j + 1);
        m_view->m_grid[0][2] = 3; // the column and the box already hold a 3 twice
        QVERIFY(m_view->SetCellValue(1110, 0));
        QCOMPARE(m_view->m_grid[4][2], BYTE(0));
        QCOMPARE(m_beeps, 0);
    }
};

QTEST_GUILESS_MAIN(PlacementRules)
#include "tst_placementrules.moc"
