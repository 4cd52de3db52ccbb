#pragma once

#include <functional>

class QFileDialog;

// Runs a file dialog modally; returns QDialog::Accepted when the user chose a file.
int AfxRunFileDialog(QFileDialog& dialog);

// For tests: the hook gets each file dialog, set up but not shown, and answers for the user (it may
// also run the dialog itself); an empty hook restores the dialogs.
void AfxSetFileDialogHook(std::function<int(QFileDialog&)> hook);
