#include "stdoutcapture.h"

StdoutCapture::StdoutCapture(int fd) : m_file(std::tmpfile()), m_fd(fd)
{
    std::fflush(nullptr);
    m_savedFd = dup(m_fd);
    dup2(fileno(m_file), m_fd);
}

StdoutCapture::~StdoutCapture()
{
    std::fflush(nullptr);
    dup2(m_savedFd, m_fd);
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
