// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the placement test found for a digit: nothing against it, or the first rule it breaks.
struct Placement
{
    enum Verdict { Allowed, SameInRow, SameInColumn, SameInBox, NoSuchCell };

    Verdict verdict = Allowed;
    int conflictRow = -1; // with SameInColumn, the row of the equal digit

    explicit operator bool() const { return verdict == Allowed; }
};
