// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <cstdio>

#include <unistd.h>

// Catches everything written to the process's standard output (or error) while it lives, byte for
// byte, and passes it on when it ends.
class StdoutCapture
{
public:
    explicit StdoutCapture(int fd = STDOUT_FILENO);
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    QByteArray Bytes() const;

private:
    std::FILE* m_file;
    int m_fd;
    int m_savedFd;
};
