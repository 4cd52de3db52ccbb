// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblenotice.h"
#include "appsession.h"
#include "cmdui.h"
#include "document.h"
#include "framewnd.h"
#include "ninegridview.h"
#include "resource.h"
#include "stdoutcapture.h"
#include "sudokusolver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {
// Grids row by row, "." for an empty cell.
const QByteArray kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const QByteArray kTwoSolutions = "534..8912672195348198342567859..1423426853791713924856961537284287419635345286179";
const QByteArray kNoSolution = "13..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kEmpty(81, '.');

QByteArray With(QByteArray grid, int row, int col, char c)
{
    grid[9 * row + col] = c;
    return grid;
}
} // namespace

// The Grille menu in the running application: hints, solving, givens, generated puzzles and the
// state pane, with the grid, the focus, the status bar, the beep and standard output together.
class Grille : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> m_session;

    AppSession& S() { return *m_session; }
    QString Message() { return S().Window()->statusBar()->currentMessage(); }
    QString Pane() { return S().Window()->statusBar()->findChild<QLabel*>("32778")->text(); }
    // The grid as stored, "." for an empty cell, "?" for a cell that does not show its stored value.
    QByteArray Grid()
    {
        QByteArray grid;
        for (int i = 0; i < 81; ++i) {
            const BYTE value = S().View()->m_grid[i / 9][i % 9];
            const bool shown = S().Cell(i / 9, i % 9)->text() == (value ? QString::number(value) : QString());
            grid += !shown ? '?' : value ? char('0' + value) : '.';
        }
        return grid;
    }
    bool Enabled(UINT id)
    {
        CCmdUI state(id, nullptr);
        state.DoUpdate(S().Frame());
        return state.IsEnabled();
    }
    bool IsGiven(int row, int col)
    {
        QLineEdit* cell = S().Cell(row, col);
        return cell->isReadOnly() && cell->font().bold() && cell->focusPolicy() == Qt::ClickFocus;
    }
    // "rcK" selects the cell at row r, column c and types the key K; "rc" gives it the focus as a click
    // does; "Figer" and "Résoudre" are the menu's items; any other word is a key sequence pressed where
    // the focus is.
    void Play(const QString& script)
    {
        for (const QString& word : script.split(' ', Qt::SkipEmptyParts)) {
            if (word.size() <= 3 && word[0].isDigit()) {
                QLineEdit* cell = S().Cell(word[0].digitValue(), word[1].digitValue());
                cell->setFocus(Qt::MouseFocusReason);
                if (word.size() == 3) {
                    cell->selectAll();
                    QTest::keyClick(cell, word[2].toLatin1());
                }
            } else if (word == "Figer") {
                S().Frame()->ExecuteCommand(ID_GRID_FREEZE_GIVENS);
            } else if (word == "Résoudre") {
                S().Frame()->ExecuteCommand(ID_GRID_SOLVE);
            } else {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(word));
            }
        }
    }
    void PasteGrid(const QByteArray& grid)
    {
        QGuiApplication::clipboard()->setText(grid);
        Play("Ctrl+V");
        QCOMPARE(Grid(), grid);
    }

private slots:
    void init()
    {
        m_session = std::make_unique<AppSession>();
        QVERIFY(m_session->Start());
    }
    void cleanup() { m_session.reset(); }

    // The hint's cell and digit come from the solver's own rows, and the focus goes there; the reason
    // names what it found.
    void hintFillsOneCellAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QByteArray>("hinted");
        QTest::addColumn<int>("focus"); // 9 * row + column
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const QByteArray& grid, int r, int c, char digit, const char* reason) {
            QTest::newRow(name) << grid << (digit ? With(grid, r, c, digit) : grid) << 9 * r + c << QString(reason);
        };
        row("only digit", ".8...7...3...2.15..746.3.2......6....4....3.........8..6.7..4..8...34..6..2..5.78", 1, 1,
            '9', "Indice, seul chiffre possible en ligne 2, colonne 2");
        row("only place in a row", ".........71......58....2.......97.4..7.5...69..6.4.5.8..2.18.9..9.....2...7.....4",
            1, 6, '2', "Indice, seule place pour le 2 dans la ligne 2");
        row("only place in a column",
            ".........71....2.58....2......697.4..7.5...699.6.4.578..2.18.9..9.....2...7.....4", 8, 7, '5',
            "Indice, seule place pour le 5 dans la colonne 8");
        row("only place in a box", ".........71....2.58....2......697.42.7.5...699.6.4.578..2.18.9..9.....2...7....54",
            4, 4, '8', "Indice, seule place pour le 8 dans le carré 5");
        row("from the solution", "1....4.9.9......183.89617.4.9....8317.....9..8....94766..198.47417.56.89.89.4716.", 2,
            1, '5', "Indice, pas de déduction simple, chiffre de la solution en ligne 3, colonne 2");
        row("no solution", kNoSolution, 0, 0, 0, "Pas d'indice, la grille n'a aucune solution");
        row("several solutions", kTwoSolutions, 0, 0, 0, "Pas d'indice, la grille a plusieurs solutions");
    }

    void hintFillsOneCellAndSaysWhy()
    {
        QFETCH(QByteArray, grid);
        QFETCH(QByteArray, hinted);
        QFETCH(int, focus);
        QFETCH(QString, reason);
        PasteGrid(grid);
        Play("00 Ctrl+H");
        QCOMPARE(Grid(), hinted);
        QCOMPARE(QApplication::focusWidget(), S().Cell(focus / 9, focus % 9));
        QCOMPARE(Message(), reason);
        if (hinted != grid) { // one step
            Play("Ctrl+Z");
            QCOMPARE(Grid(), grid);
        }
    }

    // Résoudre fills the grid in one step, or says why it does not; the pane follows, and screen
    // readers hear it (told) when the grid becomes complete or loses its solutions.
    void solveAndThePane_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<bool>("told");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QByteArray& grid, const char* script, const QByteArray& result,
                            const char* pane, bool told, const char* message = "Prêt") {
            QTest::newRow(name) << grid << QString(script) << result << QString(pane) << told << QString(message);
        };
        row("solved", kPuzzle, "Résoudre", kSolution, "Grille complète", true);
        row("solved, undone", kPuzzle, "Résoudre Ctrl+Z", kPuzzle, "Une solution", false);
        row("two solutions", kTwoSolutions, "Résoudre", kTwoSolutions, "Plusieurs solutions", false,
            "Rien à résoudre, la grille a plusieurs solutions");
        row("no solution", kNoSolution, "Résoudre", kNoSolution, "Aucune solution", false,
            "Rien à résoudre, la grille n'a aucune solution");
        row("digit that leaves no solution", kPuzzle, "021", With(kPuzzle, 0, 2, '1'), "Aucune solution", true);
        row("... undone", kPuzzle, "021 Ctrl+Z", kPuzzle, "Une solution", false);
        row("last digit typed", With(kSolution, 8, 8, '.'), "889", kSolution, "Grille complète", true);
    }

    void solveAndThePane()
    {
        QFETCH(QByteArray, grid);
        QFETCH(QString, script);
        QFETCH(QByteArray, result);
        QFETCH(QString, pane);
        QFETCH(bool, told);
        QFETCH(QString, message);
        QCOMPARE(Pane(), QString("Plusieurs solutions"));
        PasteGrid(grid);
        const StdoutCapture out;
        Play("00 " + script);
        QCOMPARE(Grid(), result);
        QCOMPARE(Pane(), pane);
        const QWidget* notice = S().Window()->findChild<AccessibleNotice*>();
        QCOMPARE(!notice->isHidden() && notice->accessibleName() == pane, told);
        QCOMPARE(Message(), message);
        QCOMPARE(out.Bytes(), QByteArray());
    }

    // With kPuzzle's digits fixed as givens, the focus on (0, 2) and the clipboard holding clipboard:
    // nothing changes a given, nothing prints or beeps, and the focus moving on skips them. Figer
    // starts the history anew and leaves the document as modified as it was.
    void givensStayAsTheyAre_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QString>("focus");
        const auto row = [](const char* name, const char* script, const QByteArray& grid, const char* focus,
                            const QString& clipboard = QString()) {
            QTest::newRow(name) << QString(script) << clipboard << grid << QString(focus);
        };
        row("digit typed", "007", kPuzzle, "00");
        row("Backspace", "00 Backspace", kPuzzle, "00");
        row("Delete", "00 Del", kPuzzle, "00");
        row("cut", "024 Ctrl+X", kPuzzle, "03");
        row("grid pasted", "Ctrl+V", With(kPuzzle, 0, 2, '2'), "02", "1.2" + QString(78, '.'));
        row("digit pasted", "01 Ctrl+V", kPuzzle, "01", "7");
        row("undone", "024 Ctrl+Z Ctrl+Z", kPuzzle, "02");
        row("accepted digit", "036", With(kPuzzle, 0, 3, '6'), "05");
        row("Tab", "08 Tab", kPuzzle, "11");
        row("arrow", "Left", kPuzzle, "01");
    }

    void givensStayAsTheyAre()
    {
        QFETCH(QString, script);
        QFETCH(QString, clipboard);
        QFETCH(QByteArray, grid);
        QFETCH(QString, focus);
        PasteGrid(kPuzzle);
        Play("Figer 02");
        QVERIFY(S().View()->GetDocument()->IsModified() && !Enabled(ID_EDIT_UNDO)); // history anew, still unsaved
        QGuiApplication::clipboard()->setText(clipboard);
        const StdoutCapture out;
        Play(script);
        QCOMPARE(Grid(), grid);
        QCOMPARE(QApplication::focusWidget(), S().Cell(focus[0].digitValue(), focus[1].digitValue()));
        QCOMPARE(out.Bytes(), QByteArray());
        QCOMPARE(S().beeps, 0);
        QVERIFY(IsGiven(0, 0) && !IsGiven(0, 2));
        Play("02 00");
        QCOMPARE(QAccessible::queryAccessibleInterface(S().Cell(0, 0))->text(QAccessible::Name),
                 QString("5, donné, ligne 1, colonne 1, carré 1"));
    }

    // Unchecked, Figer gives the givens back as ordinary digits; a grid opened from a file has none.
    void givensReleased()
    {
        QAction* figer = S().Window()->findChild<QAction*>(QString::number(ID_GRID_FREEZE_GIVENS));
        CCmdUI state(ID_GRID_FREEZE_GIVENS, figer);
        PasteGrid(kPuzzle);
        Play("Figer");
        state.DoUpdate(S().Frame());
        QVERIFY(figer->isChecked());
        Play("Figer 002");
        state.DoUpdate(S().Frame());
        QVERIFY(!figer->isChecked() && !IsGiven(0, 0));
        QCOMPARE(Grid(), With(kPuzzle, 0, 0, '2'));
        QTemporaryDir folder;
        Play("Figer");
        QVERIFY(S().View()->GetDocument()->DoSave(folder.filePath("g.txt")));
        QVERIFY(theApp.OpenDocumentFile(folder.filePath("g.txt")));
        QVERIFY(!IsGiven(0, 0));
        QCOMPARE(Grid(), With(kPuzzle, 0, 0, '2'));
    }

    // The grid is asked about and replaced at once; the puzzle comes with its givens, unchanged,
    // without history, told to screen readers, and nothing prints.
    void generatedPuzzleComesWithItsGivens_data()
    {
        QTest::addColumn<UINT>("command");
        QTest::newRow("Facile") << ID_NEW_PUZZLE_SIMPLE;
        QTest::newRow("Moyenne") << ID_NEW_PUZZLE_EASY;
        QTest::newRow("Difficile") << ID_NEW_PUZZLE_INTERMEDIATE;
        QTest::newRow("Expert") << ID_NEW_PUZZLE_EXPERT;
    }

    void generatedPuzzleComesWithItsGivens()
    {
        QFETCH(UINT, command);
        Play("005");
        QGuiApplication::clipboard()->setText(kPuzzle);
        const StdoutCapture out;
        S().Frame()->ExecuteCommand(command);
        QCOMPARE(S().messages.size(), size_t(1));
        QCOMPARE(Grid(), kEmpty);
        QVERIFY(!S().View()->IsWindowEnabled());
        QVERIFY(QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor);
        const QAction* paste =
            S().Window()->findChild<QToolBar*>()->findChild<QAction*>(QString::number(ID_EDIT_PASTE));
        QVERIFY(!Enabled(command) && !Enabled(ID_GRID_HINT) && !paste->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(S().View()->IsWindowEnabled(), 30000);
        QVERIFY(paste->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(CountSolutions(S().View()->m_grid), 1);
        QCOMPARE(Pane(), QString("Une solution"));
        QCOMPARE(S().Caption(), QString("Sans titre - Le Carrelix"));
        QVERIFY(!Enabled(ID_EDIT_UNDO) && Enabled(command));
        const QByteArray puzzle = Grid();
        QCOMPARE(QApplication::focusWidget(), S().Cell(puzzle.indexOf('.') / 9, puzzle.indexOf('.') % 9));
        const QWidget* notice = S().Window()->findChild<AccessibleNotice*>();
        QCOMPARE(notice->accessibleName(), QString("Nouvelle grille, %1 chiffres").arg(81 - puzzle.count('.')));
        for (int i = 0; i < 81; ++i) {
            QCOMPARE(IsGiven(i / 9, i % 9), puzzle[i] != '.');
            if (puzzle[i] != '.')
                QTest::keyClick(S().Cell(i / 9, i % 9), Qt::Key_Backspace);
        }
        QCOMPARE(Grid(), puzzle);
        QCOMPARE(out.Bytes(), QByteArray());
    }

    // New while the puzzle is made replaces the grid again; the puzzle is dropped when it comes.
    void newWhileMakingDropsThePuzzle()
    {
        S().Frame()->ExecuteCommand(ID_NEW_PUZZLE_EXPERT);
        S().Frame()->ExecuteCommand(ID_FILE_NEW);
        QVERIFY(S().View()->IsWindowEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QTRY_VERIFY_WITH_TIMEOUT(Enabled(ID_NEW_PUZZLE_EXPERT), 30000);
        QCOMPARE(Grid(), kEmpty);
        QVERIFY(!IsGiven(0, 0));
    }
};

QTEST_MAIN(Grille)
#include "tst_grille.moc"
