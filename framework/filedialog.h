// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QFileDialog;

// Runs a file dialog modally; returns the full path of the file the user chose, or an empty string.
QString RunFileDialog(QFileDialog& dialog);

// For tests: the hook gets each file dialog, set up but not shown, and answers for the user with a
// path or an empty string (it may also run the dialog itself); an empty hook restores the dialogs.
void SetFileDialogHook(std::function<QString(QFileDialog&)> hook);
