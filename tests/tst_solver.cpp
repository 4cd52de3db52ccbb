// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridhint.h"
#include "gridliteral.h"
#include "puzzlegenerator.h"
#include "stdoutcapture.h"
#include "sudokusolver.h"

#include <QElapsedTimer>
#include <QTest>

#include <qqwing.hpp>

#include <thread>

namespace {
QByteArray TextOf(const std::uint8_t cells[9][9])
{
    QByteArray text;
    for (int cell = 0; cell < 81; ++cell)
        text += cells[cell / 9][cell % 9] == 0 ? '.' : char('0' + cells[cell / 9][cell % 9]);
    return text;
}

const QByteArray kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// kSolution without the 6 and 7 that rows 0 and 3 hold, swapped, in columns 3 and 4: they fit both ways.
const QByteArray kTwoSolutions = "534..8912672195348198342567859..1423426853791713924856961537284287419635345286179";
// kPuzzle with a 1 for the 5 at (0, 0): no digit twice in a unit, yet nothing completes it.
const QByteArray kNoSolution = "13..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kEmpty(81, '.');

// qqwing's own rating of a puzzle, from its solve history.
PuzzleGrade QqwingGrade(const Grid& puzzle)
{
    int cells[81];
    for (int cell = 0; cell < 81; ++cell)
        cells[cell] = puzzle.cells[cell / 9][cell % 9];
    qqwing::SudokuBoard board;
    board.setPuzzle(cells);
    board.setRecordHistory(true);
    board.solve();
    return PuzzleGrade(board.getDifficulty() - qqwing::SudokuBoard::SIMPLE);
}
} // namespace

Q_DECLARE_METATYPE(HintKind)
Q_DECLARE_METATYPE(PuzzleGrade)

// The solver, the hints and the puzzles, on grids without any window.
class Solver : public QObject
{
    Q_OBJECT

private slots:
    void counting_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("solutions");
        QTest::addColumn<bool>("complete");

        QByteArray oneLeft = kSolution;
        oneLeft[80] = '.';
        QByteArray fullWithConflict = kSolution;
        std::swap(fullWithConflict[0], fullWithConflict[1]);
        QByteArray latinSquare; // every row and column a permutation, the boxes not
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col)
                latinSquare += char('1' + (row + col) % 9);
        }
        const QByteArray noDigitLeft = "12345678." + QByteArray(27, '.') + "........9" + QByteArray(36, '.');
        QTest::newRow("one solution") << kPuzzle << 1 << false;
        QTest::newRow("one cell left") << oneLeft << 1 << false;
        QTest::newRow("complete") << kSolution << 1 << true;
        QTest::newRow("two solutions") << kTwoSolutions << 2 << false;
        QTest::newRow("empty grid") << kEmpty << 2 << false;
        QTest::newRow("no solution") << kNoSolution << 0 << false;
        QTest::newRow("a cell with no digit left") << noDigitLeft << 0 << false;
        QTest::newRow("same digit twice in a row") << "5.......5" + kEmpty.mid(9) << 0 << false;
        QTest::newRow("same digit twice in a column") << "5" + kEmpty.mid(1, 71) + "5" + kEmpty.mid(73) << 0 << false;
        QTest::newRow("same digit twice in a box") << "5.........5" + kEmpty.mid(11) << 0 << false;
        QTest::newRow("full grid, same digit twice in a column") << fullWithConflict << 0 << false;
        QTest::newRow("full grid, same digit twice in a box") << latinSquare << 0 << false;
    }

    void counting()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, solutions);
        QFETCH(bool, complete);
        const Grid puzzle = GridOf(grid);
        QCOMPARE(CountSolutions(puzzle.cells), solutions);
        Grid solution = GridOf(kEmpty);
        QCOMPARE(SolveGrid(puzzle.cells, solution.cells), solutions);
        QCOMPARE(TextOf(solution.cells), solutions == 1 ? kSolution : kEmpty);
        QCOMPARE(IsGridComplete(puzzle.cells), complete);
    }

    void countStopsAtTheLimit_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("solutions");
        QTest::newRow("empty grid, limit 1") << kEmpty << 1 << 1;
        QTest::newRow("empty grid, limit 5") << kEmpty << 5 << 5;
        QTest::newRow("two solutions, limit 10") << kTwoSolutions << 10 << 2;
    }

    void countStopsAtTheLimit()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, limit);
        QFETCH(int, solutions);
        QCOMPARE(CountSolutions(GridOf(grid).cells, limit), solutions);
    }

    // After every keystroke: even grids that send a plain search through millions of guesses.
    void sparseGridsAreSettledQuickly_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("solutions");
        QTest::newRow("several solutions")
            << QByteArray("....4.5........................9..3..............1...5.3..........3.5..7.......52") << 2;
        QTest::newRow("no solution")
            << QByteArray(".....5.8....6.1.43..........1.5........1.6...3.......553.....61........4.........") << 0;
    }

    void sparseGridsAreSettledQuickly()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, solutions);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(CountSolutions(GridOf(grid).cells), solutions);
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed()) + " ms"));
    }

    void hint_data()
    {
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<int>("solutions");
        QTest::addColumn<HintKind>("kind");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("unit");

        QTest::newRow("naked single")
            << QByteArray(".8...7...3...2.15..746.3.2......6....4....3.........8..6.7..4..8...34..6..2..5.78") << 1
            << HintKind::NakedSingle << 1 << 1 << 9 << -1;
        QTest::newRow("hidden single in a row")
            << QByteArray(".........71......58....2.......97.4..7.5...69..6.4.5.8..2.18.9..9.....2...7.....4") << 1
            << HintKind::HiddenSingleInRow << 1 << 6 << 2 << 1;
        QTest::newRow("hidden single in a column")
            << QByteArray(".........71....2.58....2......697.4..7.5...699.6.4.578..2.18.9..9.....2...7.....4") << 1
            << HintKind::HiddenSingleInColumn << 8 << 7 << 5 << 7;
        QTest::newRow("hidden single in a box")
            << QByteArray(".........71....2.58....2......697.42.7.5...699.6.4.578..2.18.9..9.....2...7....54") << 1
            << HintKind::HiddenSingleInBox << 4 << 4 << 8 << 4;
        QTest::newRow("no single: from the solution")
            << QByteArray("1....4.9.9......183.89617.4.9....8317.....9..8....94766..198.47417.56.89.89.4716.") << 1
            << HintKind::FromSolution << 2 << 1 << 5 << -1;
        QTest::newRow("no solution") << kNoSolution << 0 << HintKind::None << -1 << -1 << 0 << -1;
        QTest::newRow("several solutions") << kTwoSolutions << 2 << HintKind::None << -1 << -1 << 0 << -1;
        QTest::newRow("complete") << kSolution << 1 << HintKind::None << -1 << -1 << 0 << -1;
    }

    void hint()
    {
        QFETCH(QByteArray, grid);
        QFETCH(int, solutions);
        QFETCH(HintKind, kind);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, digit);
        QFETCH(int, unit);
        const GridHint hint = FindHint(GridOf(grid).cells);
        QCOMPARE(hint.solutions, solutions);
        QCOMPARE(hint.kind, kind);
        QCOMPARE(hint.row, row);
        QCOMPARE(hint.col, col);
        QCOMPARE(int(hint.digit), digit);
        QCOMPARE(hint.unit, unit);
    }

    void generatedPuzzles_data()
    {
        QTest::addColumn<PuzzleGrade>("grade");
        QTest::addColumn<unsigned>("seed");
        const char* names[] = {"simple", "easy", "intermediate", "expert"};
        for (const PuzzleGrade grade :
             {PuzzleGrade::Simple, PuzzleGrade::Easy, PuzzleGrade::Intermediate, PuzzleGrade::Expert}) {
            for (const unsigned seed : {1u, 2u})
                QTest::addRow("%s, seed %u", names[int(grade)], seed) << grade << seed;
        }
    }

    void generatedPuzzles()
    {
        QFETCH(PuzzleGrade, grade);
        QFETCH(unsigned, seed);
        Grid puzzle;
        Grid again;
        {
            const StdoutCapture output;
            GeneratePuzzle(grade, seed, puzzle.cells);
            GeneratePuzzle(grade, seed, again.cells);
            QCOMPARE(output.Bytes(), QByteArray());
        }
        QCOMPARE(CountSolutions(puzzle.cells), 1);
        QCOMPARE(QqwingGrade(puzzle), grade);
        QCOMPARE(TextOf(again.cells), TextOf(puzzle.cells));
    }

    // qqwing's random numbers are the process's: each generation has them to itself.
    void generatingOnTwoThreadsGivesEachSeedItsPuzzle()
    {
        Grid first;
        Grid second;
        GeneratePuzzle(PuzzleGrade::Easy, 11, first.cells);
        GeneratePuzzle(PuzzleGrade::Easy, 12, second.cells);
        QVERIFY(TextOf(first.cells) != TextOf(second.cells));
        Grid firstAgain;
        Grid secondAgain;
        std::thread worker([&] { GeneratePuzzle(PuzzleGrade::Easy, 12, secondAgain.cells); });
        GeneratePuzzle(PuzzleGrade::Easy, 11, firstAgain.cells);
        worker.join();
        QCOMPARE(TextOf(firstAgain.cells), TextOf(first.cells));
        QCOMPARE(TextOf(secondAgain.cells), TextOf(second.cells));
    }
};

QTEST_GUILESS_MAIN(Solver)
#include "tst_solver.moc"
