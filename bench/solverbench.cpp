// SPDX-License-Identifier: GPL-3.0-or-later
// Times our solver's count of solutions (up to 2, as after every keystroke) against qqwing's
// countSolutionsLimited and solve, on the same grids: qqwing's puzzles of each grade, made from fixed
// seeds through our generator (whose time is measured too), the puzzles of a file if one is given,
// the empty grid, grids one digit from complete, and grids with no solution that conflict nowhere.
// Prints a Markdown table: per set, the median and maximum microseconds per grid and the ratios of
// the medians, and whether ours is at least 10 times faster than both at the median and never takes
// over a millisecond. Every time is the least of three runs, so that a run the machine interrupted
// does not count as the grid's. Generation is timed in processor time.
// Usage: solverbench [-n PUZZLES_PER_GRADE] [PUZZLE_FILE]   (default 1000; the file: one puzzle a
// line, 81 characters, '.' or '0' for empty)
#include "puzzlegenerator.h"
#include "sudokusolver.h"

#include <qqwing.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {
struct Grid
{
    std::uint8_t cells[9][9];
};

struct GridSet
{
    std::string name;
    std::vector<Grid> grids;
};

template <typename Operation>
double LeastMicroseconds(Operation operation)
{
    double least = 1e12;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        operation();
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        least = std::min(least, elapsed.count());
    }
    return least;
}

struct Spread
{
    double median;
    double high; // the 95th percentile or the maximum
};

Spread SpreadOf(std::vector<double> samples, double highFraction)
{
    std::sort(samples.begin(), samples.end());
    const size_t high = std::min(samples.size() - 1, static_cast<size_t>(highFraction * samples.size()));
    return {samples[samples.size() / 2], samples[high]};
}

// The same grid in qqwing's form, made before the timing.
std::vector<int> QqwingCells(const Grid& grid)
{
    std::vector<int> cells(81);
    for (int cell = 0; cell < 81; ++cell)
        cells[cell] = grid.cells[cell / 9][cell % 9];
    return cells;
}

bool ConflictsAt(const Grid& grid, int row, int col)
{
    const std::uint8_t digit = grid.cells[row][col];
    for (int i = 0; i < 9; ++i) {
        const int boxRow = row / 3 * 3 + i / 3;
        const int boxCol = col / 3 * 3 + i % 3;
        if ((i != col && grid.cells[row][i] == digit) || (i != row && grid.cells[i][col] == digit) ||
            ((boxRow != row || boxCol != col) && grid.cells[boxRow][boxCol] == digit))
            return true;
    }
    return false;
}

// The first grid, in row-major order of the givens and then of the digits, that has one given
// changed to a digit that conflicts with nothing, and no solution; false when there is none.
bool MakeUnsolvable(const Grid& puzzle, Grid& unsolvable)
{
    unsolvable = puzzle;
    for (int cell = 0; cell < 81; ++cell) {
        std::uint8_t& given = unsolvable.cells[cell / 9][cell % 9];
        const std::uint8_t original = given;
        for (int digit = 1; original != 0 && digit <= 9; ++digit) {
            given = std::uint8_t(digit);
            if (digit != original && !ConflictsAt(unsolvable, cell / 9, cell % 9) &&
                CountSolutions(unsolvable.cells) == 0)
                return true;
        }
        given = original;
    }
    return false;
}

bool ReadPuzzles(const char* path, std::vector<Grid>& puzzles)
{
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.size() < 81)
            continue;
        Grid grid;
        for (int cell = 0; cell < 81; ++cell)
            grid.cells[cell / 9][cell % 9] =
                line[cell] >= '1' && line[cell] <= '9' ? std::uint8_t(line[cell] - '0') : 0;
        puzzles.push_back(grid);
    }
    return !puzzles.empty();
}

void PrintTableHead()
{
    std::printf("| grids | n | ours: median / max | qqwing count: median / max | × | qqwing solve: median / max | × "
                "| ≥10×, ≤1 ms |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: | ---: | ---: | --- |\n");
}

// Times the three on every grid of the set and prints its row; false when qqwing counts otherwise.
bool TimeSet(const GridSet& set)
{
    std::vector<double> ours, qqwingCount, qqwingSolve;
    int disagreements = 0;
    qqwing::SudokuBoard board;
    for (const Grid& grid : set.grids) {
        std::vector<int> cells = QqwingCells(grid);
        int ourCount = 0;
        int theirCount = 0;
        ours.push_back(LeastMicroseconds([&] { ourCount = CountSolutions(grid.cells); }));
        qqwingCount.push_back(LeastMicroseconds([&] {
            board.setPuzzle(cells.data());
            theirCount = board.countSolutionsLimited();
        }));
        qqwingSolve.push_back(LeastMicroseconds([&] {
            board.setPuzzle(cells.data());
            board.solve();
        }));
        disagreements += ourCount != std::min(theirCount, 2); // qqwing may stop past 2
    }
    const Spread our = SpreadOf(ours, 1.0);
    const Spread count = SpreadOf(qqwingCount, 1.0);
    const Spread solve = SpreadOf(qqwingSolve, 1.0);
    const bool faster = count.median >= 10 * our.median && solve.median >= 10 * our.median;
    std::printf("| %s | %zu | %.1f / %.1f µs | %.1f / %.1f µs | %.0f | %.1f / %.1f µs | %.0f | %s, %s |\n",
                set.name.c_str(), set.grids.size(), our.median, our.high, count.median, count.high,
                count.median / our.median, solve.median, solve.high, solve.median / our.median, faster ? "yes" : "no",
                our.high <= 1000 ? "yes" : "no");
    if (disagreements)
        std::fprintf(stderr, "solverbench: %s: qqwing counts otherwise on %d grids\n", set.name.c_str(), disagreements);
    return disagreements == 0;
}
} // namespace

int main(int argc, char* argv[])
{
    int perGrade = 1000;
    const char* puzzleFile = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            perGrade = std::max(1, std::atoi(argv[++i]));
        else
            puzzleFile = argv[i];
    }

    const char* gradeNames[] = {"simple", "easy", "intermediate", "expert"};
    std::vector<GridSet> sets;
    std::vector<Spread> generation;
    std::vector<double> slowestGeneration;
    GridSet oneLeft{"one digit from complete", {}};
    GridSet unsolvable{"no solution, one given changed", {}};
    for (int grade = 0; grade < 4; ++grade) {
        GridSet set{std::string("qqwing ") + gradeNames[grade], {}};
        std::vector<double> times;
        for (int seed = 1; seed <= perGrade; ++seed) {
            Grid puzzle;
            // Processor time, which on a shared machine is what it would take on an idle one.
            const std::clock_t start = std::clock();
            GeneratePuzzle(PuzzleGrade(grade), std::uint32_t(seed), puzzle.cells);
            times.push_back(1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC);
            set.grids.push_back(puzzle);

            Grid almost;
            SolveGrid(puzzle.cells, almost.cells);
            almost.cells[seed % 9][(seed / 9) % 9] = 0;
            oneLeft.grids.push_back(almost);
            Grid changed;
            if (MakeUnsolvable(puzzle, changed))
                unsolvable.grids.push_back(changed);
        }
        generation.push_back(SpreadOf(times, 0.95));
        slowestGeneration.push_back(SpreadOf(times, 1.0).high);
        sets.push_back(set);
    }
    std::vector<Grid> filePuzzles;
    GridSet fileUnsolvable{"no solution, from the file", {}};
    if (puzzleFile && ReadPuzzles(puzzleFile, filePuzzles)) {
        const char* slash = std::strrchr(puzzleFile, '/');
        sets.push_back({slash ? slash + 1 : puzzleFile, filePuzzles});
        for (const Grid& puzzle : filePuzzles) {
            Grid changed;
            if (MakeUnsolvable(puzzle, changed))
                fileUnsolvable.grids.push_back(changed);
        }
    }
    sets.push_back({"the empty grid (timed 100 times)", std::vector<Grid>(100, Grid{})});
    sets.push_back(oneLeft);
    sets.push_back(unsolvable);
    if (!fileUnsolvable.grids.empty())
        sets.push_back(fileUnsolvable);

    PrintTableHead();
    bool agreed = true;
    for (const GridSet& set : sets)
        agreed = TimeSet(set) && agreed;
    if (!puzzleFile)
        std::printf("\nNo puzzle file given: its set is left out.\n");
    else if (filePuzzles.empty())
        std::printf("\nNo puzzle read from %s: its set is left out.\n", puzzleFile);

    std::printf("\n| generation, %d a grade | median | 95th percentile | max |\n| --- | ---: | ---: | ---: |\n",
                perGrade);
    for (int grade = 0; grade < 4; ++grade)
        std::printf("| %s | %.1f ms | %.1f ms | %.1f ms |\n", gradeNames[grade], generation[grade].median,
                    generation[grade].high, slowestGeneration[grade]);
    return agreed ? 0 : 1;
}
