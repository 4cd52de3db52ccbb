// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridtext.h"

#include <algorithm>

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char SUB = 26;

// Decodes bytes into the logical text, one buffer at a time, holding back a run of CRs until the
// byte after it shows whether it ends a line.
class LogicalText
{
public:
    LogicalText(char* out, int capacity) : m_out(out), m_capacity(capacity) {}

    bool Full() const { return m_count == m_capacity; }
    int Count() const { return m_count; }

    // False once the text is complete: full, or ended by SUB.
    bool Take(char byte)
    {
        if (byte == CR) {
            ++m_pendingCRs;
            return true;
        }
        if (byte == LF) {
            m_pendingCRs = 0;
            Put(CR);
            Put(LF);
            return !Full();
        }
        Flush();
        if (byte == SUB) {
            m_ended = true;
            return false;
        }
        Put(byte);
        return !Full();
    }

    // At the end of the data, CRs not followed by an LF are ordinary characters.
    void Finish()
    {
        if (!m_ended)
            Flush();
    }

private:
    void Put(char c)
    {
        if (m_count < m_capacity)
            m_out[m_count++] = c;
    }

    void Flush()
    {
        for (; m_pendingCRs > 0 && !Full(); --m_pendingCRs)
            Put(CR);
        m_pendingCRs = 0;
    }

    char* m_out;
    int m_capacity;
    int m_count = 0;
    long m_pendingCRs = 0;
    bool m_ended = false;
};
} // namespace

void BuildGridBlock(const std::uint8_t grid[9][9], char block[kGridBlockSize])
{
    char* p = block;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const std::uint8_t value = grid[row][col];
            *p++ = static_cast<char>('0' + (value >= 1 && value <= 9 ? value : 0));
            *p++ = '\t';
        }
        *p++ = CR;
        *p++ = LF;
    }
}

std::string GridFileBytes(const char block[kGridBlockSize])
{
    std::string bytes = "version 01\r\r\n";
    for (int i = 0; i < kGridBlockSize; ++i) {
        if (block[i] == LF)
            bytes += CR;
        bytes += block[i];
    }
    return bytes;
}

int GridBlockCharsIn(const char block[kGridBlockSize], long bytes)
{
    long used = static_cast<long>(std::string("version 01\r\r\n").size());
    int chars = 0;
    for (; chars < kGridBlockSize; ++chars) {
        used += block[chars] == LF ? 2 : 1;
        if (used > bytes)
            break;
    }
    return chars;
}

int ReadGridBlock(const std::function<long(char*, long)>& read, char block[kGridBlockSize])
{
    char text[kGridHeaderSize + kGridBlockSize];
    LogicalText logical(text, sizeof text);
    char buffer[4096];
    bool more = true;
    for (long total = 0; more && total < kGridFileReadLimit;) {
        const long n = read(buffer, std::min<long>(sizeof buffer, kGridFileReadLimit - total));
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        total += n;
        for (long i = 0; i < n && more; ++i)
            more = logical.Take(buffer[i]);
    }
    logical.Finish();

    std::fill(block, block + kGridBlockSize, '0');
    const int count = std::max(0, logical.Count() - kGridHeaderSize);
    std::copy(text + kGridHeaderSize, text + kGridHeaderSize + count, block);
    return count;
}

std::uint8_t GridBlockValue(const char block[kGridBlockSize], int row, int col)
{
    const char c = block[20 * row + 2 * col];
    return c >= '1' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : 0;
}
