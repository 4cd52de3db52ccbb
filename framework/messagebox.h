// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <QString>

#include <functional>

class QMessageBox;

// Shows a message box over the main window, titled with the application's name, and waits for the
// user; returns the button chosen: IDOK, or for MB_YESNOCANCEL IDYES, IDNO or IDCANCEL (also Escape).
// Without an icon in the type, the box shows a warning.
int AfxMessageBox(const QString& text, UINT nType = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// Tells the user that a file could not be used: the message names the file with "%1" and the
// reason with "%2".
void ReportFileError(const QString& message, const QString& pathName, const QString& reason);

// For tests: the hook answers every message box instead of the user; an empty hook restores the boxes.
void SetMessageBoxHook(std::function<int(const QString& text, UINT nType)> hook);
// For tests: the driver gets each real box, set up but not shown, and plays the user: it clicks a
// button, or runs the box and presses keys in it. It comes before the hook above.
void SetMessageBoxDriver(std::function<void(QMessageBox& box)> driver);
