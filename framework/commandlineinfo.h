// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What the command line asks the application to do at start.
class CCommandLineInfo
{
public:
    enum { FileNew, FileOpen } m_nShellCommand = FileNew;
    QString m_strFileName;
    QByteArray m_strNativeFileName; // the file name's bytes, when they are not UTF-8
};
