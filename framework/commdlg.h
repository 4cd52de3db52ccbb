// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <string>

class CWnd;

// Flags of the file dialogs.
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002; // ask before an existing file is replaced
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;    // no read-only option (Qt's dialogs have none)
constexpr DWORD OFN_SHOWHELP = 0x00000010;        // a Help button: Qt's dialogs have none, and nothing answered it
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000; // only an existing file is accepted

// The settings of a file dialog. The chosen path has no length limit here: it is a UTF-8 string.
struct OPENFILENAMEA
{
    CWnd* hwndOwner;
    // Pairs of a description and a pattern, each NUL-terminated, the list closed by one more NUL.
    // Patterns match names whatever their case; "*.*" matches every name.
    const char* lpstrFilter;
    DWORD nFilterIndex; // the pair shown first, from 1
    std::string* lpstrFile;
    const char* lpstrInitialDir;
    const char* lpstrTitle;
    DWORD Flags;
    const char* lpstrDefExt; // added, after a dot, to a name typed without an extension
};

// Show the save or open dialog, modal, and return when it is closed: non-zero when the user chose a
// file, whose full path is then in *lpstrFile; zero on Cancel, on failure, and while another file
// dialog is open.
BOOL GetSaveFileNameA(OPENFILENAMEA* lpofn);
BOOL GetOpenFileNameA(OPENFILENAMEA* lpofn);
