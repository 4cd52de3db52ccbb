// SPDX-License-Identifier: GPL-3.0-or-later

#include "maintoolbar.h"

#include "resource.h"
#include "toolbarbitmap.h"

const ToolbarTemplate mainToolbar{
    IDR_MAINFRAME,
    16,
    15,
    {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR,
     ID_FILE_PRINT, ID_APP_ABOUT},
    toolbarBitmap,
    toolbarBitmap2x,
};
