// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellids.h"
#include "gridwindow.h"
#include "messagebeep.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace {
const QByteArray kRowMessage = "valeur trouv\xE9"
                               "e dans ligne";
}

// Typing into the grid as a user does: the cell's text, the stored value, the focus, the beep and
// the diagnostic line, all checked together.
class CellEditing : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<GridWindow> m_window;

    GridWindow& W() { return *m_window; }
    // Enters a digit the way a user does: click the cell, type it; the rules must accept it.
    void Enter(int row, int col, char digit)
    {
        W().Click(row, col);
        W().Type(QString(QChar(digit)));
        QCOMPARE(W().View().m_grid[row][col], BYTE(digit - '0'));
    }

private slots:
    void init() { m_window = std::make_unique<GridWindow>(); }
    void cleanup() { m_window.reset(); }

    void focusStartsInFirstCell() { QCOMPARE(W().FocusedId(), int(kCellIds[0][0])); }

    // Cell (4, 2) is typed into with 5 at (4, 8) and at (1, 5) already stored.
    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("focusMoves");
        QTest::addColumn<QByteArray>("output");

        QTest::newRow("free digit") << "7"
                                    << "7" << 7 << true << QByteArray();
        QTest::newRow("digit of the row") << "5"
                                          << "" << 0 << false << kRowMessage;
        QTest::newRow("space skips") << " "
                                     << "" << 0 << true << QByteArray();
        QTest::newRow("zero") << "0"
                              << "" << 0 << false << QByteArray();
        QTest::newRow("letter") << "x"
                                << "" << 0 << false << QByteArray();
        QTest::newRow("minus") << "-"
                               << "" << 0 << false << QByteArray();
    }

    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(bool, focusMoves);
        QFETCH(QByteArray, output);
        Enter(4, 8, '5');
        Enter(1, 5, '5');
        W().beeps.clear();

        W().Click(4, 2);
        const StdoutCapture out;
        W().Type(keys);
        QCOMPARE(W().Cell(4, 2)->text(), text);
        QCOMPARE(W().View().m_grid[4][2], BYTE(stored));
        QCOMPARE(W().FocusedId(), int(focusMoves ? kCellIds[4][3] : kCellIds[4][2]));
        QCOMPARE(out.Bytes(), output);
        QCOMPARE(W().beeps, std::vector<UINT>(output.isEmpty() ? 0 : 1, MB_OK));
        QVERIFY(!g_bSuppressCellChange);
    }

    // The arrows move the focus from (row, col), holding 5, to its neighbour holding 6, and stop at the
    // grid's edges; the keypad's arrows (Num Lock off) too.
    void arrowKeys_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("key"); // with its modifiers
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");

        QTest::newRow("up") << 4 << 4 << int(Qt::Key_Up) << 3 << 4;
        QTest::newRow("down") << 4 << 4 << int(Qt::Key_Down) << 5 << 4;
        QTest::newRow("left") << 4 << 4 << int(Qt::Key_Left) << 4 << 3;
        QTest::newRow("right") << 4 << 4 << int(Qt::Key_Right) << 4 << 5;
        QTest::newRow("right across a box") << 2 << 2 << int(Qt::Key_Right) << 2 << 3;
        QTest::newRow("up at the top") << 0 << 4 << int(Qt::Key_Up) << 0 << 4;
        QTest::newRow("down at the bottom") << 8 << 4 << int(Qt::Key_Down) << 8 << 4;
        QTest::newRow("left at the left edge") << 4 << 0 << int(Qt::Key_Left) << 4 << 0;
        QTest::newRow("right at the right edge") << 0 << 8 << int(Qt::Key_Right) << 0 << 8;
        QTest::newRow("keypad up") << 4 << 4 << (Qt::KeypadModifier | Qt::Key_Up).toCombined() << 3 << 4;
        QTest::newRow("keypad right") << 4 << 4 << (Qt::KeypadModifier | Qt::Key_Right).toCombined() << 4 << 5;
    }

    void arrowKeys()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, key);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        const bool moves = toRow != row || toCol != col;
        if (moves)
            Enter(toRow, toCol, '6');
        Enter(row, col, '5');
        W().Click(row, col);
        const StdoutCapture out;
        const QKeyCombination pressed = QKeyCombination::fromCombined(key);
        QTest::keyClick(QApplication::focusWidget(), pressed.key(), pressed.keyboardModifiers());
        QCOMPARE(W().FocusedId(), int(kCellIds[toRow][toCol]));
        QCOMPARE(W().Cell(row, col)->text(), QString("5"));
        QCOMPARE(W().View().m_grid[row][col], BYTE(5));
        QVERIFY(out.Bytes().isEmpty());
        QVERIFY(W().beeps.empty());
        // A neighbour reached is entered as Tab enters it: the next digit replaces its own.
        if (moves) {
            W().Type("7");
            QCOMPARE(W().View().m_grid[toRow][toCol], BYTE(7));
        }
    }

    // Texts that arrive whole, as a paste brings them, into cell (4, 2) holding 5.
    void pasting_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("focusMoves");

        QTest::newRow("blank then digit") << " 7" << false << "7" << 7 << true;
        QTest::newRow("two spaces") << "  " << false << "" << 0 << false;
        QTest::newRow("second digit after") << "2" << false << "" << 0 << false;
        QTest::newRow("zero in front") << "0" << true << "5" << 5 << true;
        QTest::newRow("digit then letter") << "7x" << false << "7" << 7 << true;
        QTest::newRow("number above nine") << "13" << false << "" << 0 << false;
        QTest::newRow("negative") << "-3" << false << "" << 0 << false;
    }

    void pasting()
    {
        QFETCH(QString, pasted);
        QFETCH(bool, atStart);
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(bool, focusMoves);
        Enter(4, 2, '5');
        QLineEdit* cell = W().Cell(4, 2);
        W().Click(4, 2);
        if (atStart)
            cell->home(false);
        else if (pasted.size() > 1)
            cell->selectAll();

        cell->insert(pasted);
        QCOMPARE(cell->text(), text);
        QCOMPARE(W().View().m_grid[4][2], BYTE(stored));
        QCOMPARE(W().FocusedId(), int(focusMoves ? kCellIds[4][3] : kCellIds[4][2]));
        QVERIFY(W().beeps.empty());
    }

    void acceptedDigitsWalkTheGridAndWrap()
    {
        W().Click(8, 7);
        W().Type("12");
        QCOMPARE(W().Cell(8, 7)->text(), QString("1"));
        QCOMPARE(W().Cell(8, 8)->text(), QString("2"));
        QCOMPARE(W().FocusedId(), int(kCellIds[0][0]));
        W().Type(" 3");
        QCOMPARE(W().Cell(0, 0)->text(), QString());
        QCOMPARE(W().Cell(0, 1)->text(), QString("3"));
        QCOMPARE(W().View().m_grid[0][1], BYTE(3));
        QCOMPARE(W().FocusedId(), int(kCellIds[0][2]));
    }

    void refusedDigitBeepsOnceAndKeepsFocus()
    {
        Enter(6, 0, '9');
        W().Click(8, 2); // same box as (6, 0)
        const StdoutCapture out;
        W().Type("9");
        QCOMPARE(out.Bytes(), QByteArray("valeur trouv\xE9"
                                         "e dans carr\xE9 (3x3)"));
        QCOMPARE(W().beeps.size(), size_t(1));
        QCOMPARE(W().Cell(8, 2)->text(), QString());
        QCOMPARE(W().FocusedId(), int(kCellIds[8][2]));
        W().Type("4"); // the next key is handled as usual
        QCOMPARE(W().View().m_grid[8][2], BYTE(4));
    }

    void deletingDigitClearsCell()
    {
        Enter(2, 2, '8');
        W().Click(2, 2);
        QTest::keyClick(W().Cell(2, 2), Qt::Key_Backspace);
        QCOMPARE(W().Cell(2, 2)->text(), QString());
        QCOMPARE(W().View().m_grid[2][2], BYTE(0));
        QCOMPARE(W().FocusedId(), int(kCellIds[2][2]));
        QVERIFY(W().beeps.empty());
    }

    void retypingOwnDigitOverSelectionIsAccepted()
    {
        Enter(3, 3, '6');
        W().Click(3, 3);
        W().Cell(3, 3)->selectAll();
        W().Type("6");
        QCOMPARE(W().Cell(3, 3)->text(), QString("6"));
        QCOMPARE(W().FocusedId(), int(kCellIds[3][4]));
        QVERIFY(W().beeps.empty());
    }

    // A refused digit typed over a cell's digit: the digit stays stored, so the cell shows it again.
    void refusedDigitOverDigitShowsStoredValue()
    {
        Enter(4, 2, '5');
        Enter(4, 8, '3');
        W().Click(4, 2);
        W().Cell(4, 2)->selectAll();
        const StdoutCapture out;
        W().Type("3");
        QCOMPARE(out.Bytes(), kRowMessage);
        QCOMPARE(W().beeps.size(), size_t(1));
        QCOMPARE(W().View().m_grid[4][2], BYTE(5));
        QCOMPARE(W().Cell(4, 2)->text(), QString("5"));
        QCOMPARE(W().FocusedId(), int(kCellIds[4][2]));
    }

    // An input method that composes: a pre-edit, then the text it commits (none when the composition
    // is given up), over the selected 5 of cell (4, 2), with a 3 at (4, 8). Only a refused 3 beeps.
    void composing_data()
    {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<int>("stored"); // and shown
        QTest::newRow("refused digit") << "3" << 5;
        QTest::newRow("accepted digit") << "7" << 7;
        QTest::newRow("given up") << "" << 5;
    }

    void composing()
    {
        QFETCH(QString, committed);
        QFETCH(int, stored);
        Enter(4, 2, '5');
        Enter(4, 8, '3');
        W().beeps.clear();
        QLineEdit* cell = W().Cell(4, 2);
        W().Click(4, 2);
        cell->selectAll();
        QInputMethodEvent preedit(committed.isEmpty() ? "3" : committed, {});
        QApplication::sendEvent(cell, &preedit);
        QCOMPARE(W().View().m_grid[4][2], BYTE(5));
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QApplication::sendEvent(cell, &commit);
        QCOMPARE(cell->text(), QString::number(stored));
        QCOMPARE(W().View().m_grid[4][2], BYTE(stored));
        QCOMPARE(W().FocusedId(), int(stored == 7 ? kCellIds[4][3] : kCellIds[4][2]));
        QCOMPARE(W().beeps.size(), size_t(committed == "3"));
        // Given up, the composition leaves the cell as it was: its digit selected, for the next to replace.
        if (committed.isEmpty()) {
            W().Type("7");
            QCOMPARE(cell->text(), QString("7"));
            QCOMPARE(W().View().m_grid[4][2], BYTE(7));
        }
    }

    // The cell whose text changed is the one handled, wherever the focus is.
    void changeOfUnfocusedCellIsHandledForThatCell()
    {
        W().Click(0, 0);
        W().Cell(5, 5)->insert("7");
        QCOMPARE(W().Cell(5, 5)->text(), QString("7"));
        QCOMPARE(W().View().m_grid[5][5], BYTE(7));
        QCOMPARE(W().View().m_grid[0][0], BYTE(0));
        QCOMPARE(W().FocusedId(), int(kCellIds[5][6]));
    }

    void programWritesAreNotTakenForEdits()
    {
        W().Click(1, 1);
        g_bSuppressCellChange = true;
        W().View().SetDlgItemText(int(kCellIds[7][7]), "7");
        g_bSuppressCellChange = false;
        QCOMPARE(W().Cell(7, 7)->text(), QString("7"));
        QCOMPARE(W().View().m_grid[7][7], BYTE(0));
        QCOMPARE(W().FocusedId(), int(kCellIds[1][1]));
    }
};

QTEST_MAIN(CellEditing)
#include "tst_cellediting.moc"
