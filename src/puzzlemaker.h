// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "puzzlegenerator.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <thread>

// A puzzle's cells, [row][col], 0 for an empty cell.
struct PuzzleCells
{
    std::uint8_t cells[9][9] = {};
};

// Makes qqwing's puzzles on a worker thread, so that the window goes on while one is made (a Simple
// one can take more than a second), and hands each to the thread that asked for it. One at a time.
class PuzzleMaker
{
public:
    // onMade gets each puzzle that is still wanted, on the thread that made the maker.
    explicit PuzzleMaker(std::function<void(const PuzzleCells&)> onMade);
    // Waits for the puzzle being made, if any: qqwing cannot be stopped halfway.
    ~PuzzleMaker();
    PuzzleMaker(const PuzzleMaker&) = delete;
    PuzzleMaker& operator=(const PuzzleMaker&) = delete;

    // Starts making a puzzle of the grade from the seed; only while IsWorking is false.
    void Start(PuzzleGrade grade, std::uint32_t seed);
    // The puzzle being made is no longer wanted: it will not be handed over.
    void Cancel() { m_bWanted = false; }
    // A puzzle is being made and is wanted.
    bool IsMaking() const { return m_bWanted; }
    // The worker is at work, maybe on a puzzle no longer wanted.
    bool IsWorking() const { return m_worker.joinable(); }

private:
    void Finished(const PuzzleCells& puzzle);

    std::function<void(const PuzzleCells&)> m_onMade;
    QObject m_receiver; // of the worker's result, on this thread; ends after the worker
    std::thread m_worker;
    bool m_bWanted = false;
};
