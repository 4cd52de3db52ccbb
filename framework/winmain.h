// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayList>

class CWinApp;
struct ResourceModule;

// Gives the application its name (when it has none) and its command line, as the entry does
// before InitInstance: the arguments' bytes as the process got them, program name first.
void AfxWinInit(CWinApp* pApp, const QByteArrayList& argv);

// The framework's entry: starts Qt, speaking French, with the first qtArgc arguments, where Qt looks
// for its own options; then runs the application object's InitInstance with the resources and, when
// that succeeds, the message loop until the main window closes. Returns the process's exit status.
int AfxWinMain(int argc, char* argv[], int qtArgc, const ResourceModule& resources);
