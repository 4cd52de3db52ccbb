// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog.h"
#include "winapp.h"

// The application: starts the framework, registers the grid's document type and opens the first
// document as the command line asks.
class CNinegridApp : public CWinApp
{
public:
    BOOL InitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

// The About box: the program's icon, name, version and maker.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
};

extern CNinegridApp theApp;
