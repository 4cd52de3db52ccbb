// SPDX-License-Identifier: GPL-3.0-or-later

#include "puzzlemaker.h"

PuzzleMaker::PuzzleMaker(std::function<void(const PuzzleCells&)> onMade) : m_onMade(std::move(onMade))
{}

// The worker's last act is to queue its result to m_receiver; once the worker has ended, a result
// still queued goes with m_receiver, unread.
PuzzleMaker::~PuzzleMaker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void PuzzleMaker::Start(PuzzleGrade grade, std::uint32_t seed)
{
    if (IsWorking())
        return;
    m_bWanted = true;
    m_worker = std::thread([this, grade, seed] {
        PuzzleCells puzzle;
        GeneratePuzzle(grade, seed, puzzle.cells);
        QMetaObject::invokeMethod(
            &m_receiver, [this, puzzle] { Finished(puzzle); }, Qt::QueuedConnection);
    });
}

void PuzzleMaker::Finished(const PuzzleCells& puzzle)
{
    m_worker.join();
    if (!m_bWanted)
        return;
    m_bWanted = false;
    m_onMade(puzzle);
}
