// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ninegrid.h"

#include <QStringList>
#include <QTemporaryDir>

class CFrameWnd;
class CNinegridView;
class QLineEdit;
class QMainWindow;

// The application started as the entry starts it, with a command line, settings in a folder of
// its own, message boxes answered and recorded (a question about saving with "Ne pas enregistrer"),
// and beeps counted; stopped when it ends.
class AppSession
{
public:
    AppSession();
    ~AppSession();

    // Runs InitInstance with these arguments after the program's name; its result.
    bool Start(const QStringList& arguments = {});
    // The same with the arguments' bytes, which need not be UTF-8.
    bool StartWithBytes(const QByteArrayList& arguments);
    void Stop();

    CFrameWnd* Frame() const;
    QMainWindow* Window() const;
    CNinegridView* View() const;
    QLineEdit* Cell(int row, int col) const;
    // The window's title as the desktop shows it.
    QString Caption() const;
    QString SettingsFolder() const { return m_settings.path(); }

    struct Message
    {
        QString text;
        UINT type;
    };
    std::vector<Message> messages;
    int beeps = 0;

private:
    QTemporaryDir m_settings;
    bool m_running = false;
};
