// SPDX-License-Identifier: GPL-3.0-or-later

#include "stdoutcapture.h"

StdoutCapture::StdoutCapture(int fd) : m_file(std::tmpfile()), m_fd(fd)
{
    std::fflush(nullptr);
    m_savedFd = dup(m_fd);
    dup2(fileno(m_file), m_fd);
}

// What was caught goes on to where it was meant to go: a failure that QtTest reported meanwhile
// must not be lost.
StdoutCapture::~StdoutCapture()
{
    const QByteArray caught = Bytes();
    dup2(m_savedFd, m_fd);
    if (write(m_fd, caught.constData(), static_cast<size_t>(caught.size())) < 0)
        std::perror("StdoutCapture");
    close(m_savedFd);
    std::fclose(m_file);
}

QByteArray StdoutCapture::Bytes() const
{
    std::fflush(nullptr);
    QByteArray bytes;
    char buffer[4096];
    std::rewind(m_file);
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
        bytes.append(buffer, static_cast<qsizetype>(n));
    return bytes;
}
