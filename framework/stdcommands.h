// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

// The framework's standard command, control-bar and string IDs.
constexpr UINT ID_SEPARATOR = 0; // a toolbar's gap; the status bar's message pane
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
constexpr UINT ID_FILE_PRINT = 57607;
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr UINT ID_FILE_MRU_FILE16 = 57631;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_EDIT_REDO = 57644;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_NEXT_PANE = 57680;
constexpr UINT ID_PREV_PANE = 57681;
constexpr UINT ID_INDICATOR_CAPS = 59137;
constexpr UINT ID_INDICATOR_NUM = 59138;
constexpr UINT ID_INDICATOR_SCRL = 59139;
constexpr UINT ID_VIEW_TOOLBAR = 59392;
constexpr UINT ID_VIEW_STATUS_BAR = 59393;

constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;

constexpr UINT AFX_IDS_APP_TITLE = 57344;
constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;

// Strings that the framework shows, looked up in the program's string table.
constexpr UINT AFX_IDS_SAVEFILE = 0xF001;           // the title of the framework's save dialog
constexpr UINT AFX_IDS_ALLFILTER = 0xF002;          // its file type: every file
constexpr UINT AFX_IDS_UNTITLED = 0xF003;           // the title of a document that has no file
constexpr UINT AFX_IDP_FAILED_TO_OPEN_DOC = 0xF101; // "%1" the file, "%2" why
constexpr UINT AFX_IDP_FAILED_TO_SAVE_DOC = 0xF102; // "%1" the file, "%2" why
constexpr UINT AFX_IDP_ASK_TO_SAVE = 0xF103;        // "%1" the document's title
// The buttons of the question whether to save a document, which the original platform's message
// box named itself.
constexpr UINT IDS_SAVE_BUTTON = 0xF1F0;
constexpr UINT IDS_DONT_SAVE_BUTTON = 0xF1F1;
constexpr UINT IDS_CANCEL_BUTTON = 0xF1F2;
// The question's second line: what becomes of the changes that are not saved.
constexpr UINT IDS_ASK_TO_SAVE_DETAIL = 0xF1F3;
