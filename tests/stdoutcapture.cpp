#include "stdoutcapture.h"

#include <unistd.h>

StdoutCapture::StdoutCapture() : m_file(std::tmpfile())
{
    std::fflush(stdout);
    m_savedFd = dup(STDOUT_FILENO);
    dup2(fileno(m_file), STDOUT_FILENO);
}

StdoutCapture::~StdoutCapture()
{
    std::fflush(stdout);
    dup2(m_savedFd, STDOUT_FILENO);
    close(m_savedFd);
    std::fclose(m_file);
}

QByteArray StdoutCapture::Bytes() const
{
    std::fflush(stdout);
    QByteArray bytes;
    char buffer[4096];
    std::rewind(m_file);
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;)
        bytes.append(buffer, static_cast<qsizetype>(n));
    return bytes;
}
