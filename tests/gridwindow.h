// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framewnd.h"
#include "ninegridview.h"

#include <QLineEdit>

#include <vector>

// A main window holding the grid form, shown and active, as the user gets it at start; every
// beep is counted instead of sounded.
class GridWindow
{
public:
    // With prepare false the view has its window but no initial update yet.
    explicit GridWindow(bool prepare = true);
    ~GridWindow();

    CNinegridView& View() const { return *m_view; }
    QWidget& Frame() const { return *m_frame.GetSafeHwnd(); }
    QLineEdit* Cell(int row, int col) const;
    // The control ID of the window that has the focus, as the program sees it; -1 for none.
    int FocusedId() const;
    // Gives a cell the focus as a click would, the caret after its text.
    void Click(int row, int col) const;
    // Types the characters one key at a time into whichever widget has the focus.
    void Type(const QString& text) const;

    std::vector<UINT> beeps;

private:
    CFrameWnd m_frame;
    CNinegridView* m_view;
};
