#pragma once

#include <QString>

// What the command line asks the application to do at start.
class CCommandLineInfo
{
public:
    enum { FileNew, FileOpen } m_nShellCommand = FileNew;
    QString m_strFileName;
};
