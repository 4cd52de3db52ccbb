// SPDX-License-Identifier: GPL-3.0-or-later

#include "accelerators.h"

#include "resource.h"

namespace {
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F6 = 0x75;
} // namespace

// clang-format off
const AcceleratorTable mainAccelerators{
    IDR_MAINFRAME,
    {
        {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},
        {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},
        {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},
        {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},
        {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},
        {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},
        {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},
        {FVIRTKEY | FALT,     VK_BACK, ID_EDIT_UNDO},
        {FVIRTKEY | FSHIFT,   VK_DELETE, ID_EDIT_CUT},
        {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},
        {FVIRTKEY | FSHIFT,   VK_INSERT, ID_EDIT_PASTE},
        {FVIRTKEY,            VK_F6, ID_NEXT_PANE},
        {FVIRTKEY | FSHIFT,   VK_F6, ID_PREV_PANE},
        // Redo as desktop programs take it, and print.
        {FVIRTKEY | FCONTROL, 'Y', ID_EDIT_REDO},
        {FVIRTKEY | FCONTROL | FSHIFT, 'Z', ID_EDIT_REDO},
        {FVIRTKEY | FCONTROL, 'P', ID_FILE_PRINT},
        // A hint.
        {FVIRTKEY | FCONTROL, 'H', ID_GRID_HINT},
    },
};
// clang-format on
