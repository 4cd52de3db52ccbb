// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QPrintDialog;

// Runs the print dialog modally; true when the user chose to print, with the dialog's printer set up
// as chosen.
bool RunPrintDialog(QPrintDialog& dialog);

// For tests: the hook gets each print dialog, set up but not shown, and answers for the user: it may
// set up the dialog's printer (to write a PDF file, say) and returns whether to print; an empty hook
// restores the dialogs.
void SetPrintDialogHook(std::function<bool(QPrintDialog&)> hook);
