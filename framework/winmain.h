// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>

class CWinApp;
struct ResourceModule;

// Gives the application its name (when it has none) and its command line, as the entry does
// before InitInstance: the arguments' bytes as the process got them, program name first.
void AfxWinInit(CWinApp* pApp, const QByteArrayList& argv);

// A write past the process's file-size limit then fails with an error that the program reports,
// instead of the signal SIGXFSZ ending the process.
void AfxIgnoreFileSizeSignal();

// Loads Qt's own French texts, so that the standard dialogs, message-box buttons and context menus
// speak French like the rest; false when they are not installed.
bool AfxLoadQtTranslations();

// The framework's entry: answers --help, --version and unknown options, starts Qt with its French
// texts and the application ID, then runs the application object's InitInstance and, when that
// succeeds, the message loop until the main window closes. Returns the process's exit status.
int AfxWinMain(int argc, char* argv[], const ResourceModule& resources);
