#pragma once

#include <QByteArray>

#include <cstdio>

// Catches everything written to the process's standard output while it lives, byte for byte.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    QByteArray Bytes() const;

private:
    std::FILE* m_file;
    int m_savedFd;
};
