// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for reading the grid text file: ReadGridBlock gets the input as a file's bytes, in
// pieces of several sizes, and every invariant of the result is checked; a broken one aborts.
// The whole input is the file, so that real grid files serve as seeds; the piece sizes come from
// a hash of it.
#include "gridtext.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char SUB = 26;
constexpr std::size_t kTextSize = kGridHeaderSize + kGridBlockSize;

// A failure aborts, so that libFuzzer keeps the input and the corpus replay test fails.
void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "gridtext_fuzzer: invariant broken: %s\n", what);
        std::abort();
    }
}

enum class Pieces { AsAsked, Bytes, Mixed };

// Serves bytes to ReadGridBlock as a file would: `length` bytes that repeat `data`, in pieces,
// failing from byte `failAt` on when that is not negative. It checks every request it gets.
struct Feed
{
    const std::uint8_t* data;
    std::size_t size;
    long length;
    Pieces pieces;
    std::uint64_t state;
    long failAt = -1;
    long position = 0;
    bool failed = false;

    long operator()(char* buffer, long asked)
    {
        Require(asked >= 1, "read asked for no bytes");
        Require(asked <= kGridFileReadLimit - position, "read asked for bytes past kGridFileReadLimit");
        if (failAt >= 0 && position >= failAt) {
            failed = true;
            return -1;
        }
        long n = std::min({asked, length - position, NextPiece()});
        if (failAt >= 0)
            n = std::min(n, failAt - position);
        // In runs up to the end of `data`, from where `position` falls in it.
        for (long done = 0; done < n;) {
            const std::size_t at = static_cast<std::size_t>(position + done) % size;
            const std::size_t run = std::min(static_cast<std::size_t>(n - done), size - at);
            std::memcpy(buffer + done, data + at, run);
            done += static_cast<long>(run);
        }
        position += n;
        return n;
    }

    long NextPiece()
    {
        switch (pieces) {
        case Pieces::AsAsked:
            return kGridFileReadLimit;
        case Pieces::Bytes:
            return 1;
        case Pieces::Mixed:
            break;
        }
        // Mostly short pieces, so that line ends and SUBs often fall on a boundary.
        state = state * 6364136223846793005u + 1442695040888963407u;
        const std::uint64_t r = state >> 33;
        static constexpr long kCaps[] = {2, 8, 64, 4096};
        return 1 + static_cast<long>((r >> 2) % static_cast<std::uint64_t>(kCaps[r & 3]));
    }
};

struct Reading
{
    int count;
    char block[kGridBlockSize];
};

Reading Read(Feed& feed)
{
    Reading reading{};
    reading.count = ReadGridBlock(std::ref(feed), reading.block);
    return reading;
}

bool Same(const Reading& a, const Reading& b)
{
    return a.count == b.count && std::memcmp(a.block, b.block, kGridBlockSize) == 0;
}

// The invariants of a successful reading.
void CheckBlock(const Reading& reading)
{
    Require(reading.count >= 0 && reading.count <= kGridBlockSize, "count outside 0..180");
    for (int i = reading.count; i < kGridBlockSize; ++i)
        Require(reading.block[i] == '0', "a position past the count is not '0'");
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const char c = reading.block[20 * row + 2 * col];
            // So every value is 0..9.
            Require(GridBlockValue(reading.block, row, col) == (c >= '1' && c <= '9' ? c - '0' : 0),
                    "GridBlockValue is not the cell's digit, or 0 for another character");
        }
    }
}

// The block characters that the documented decoding gives, worked out on all the bytes at once:
// at most kGridFileReadLimit bytes, up to a SUB, an LF after any number of CRs read as CR LF, the
// header skipped.
std::string DecodedBlock(const std::uint8_t* data, std::size_t size)
{
    std::string text;
    std::size_t crs = 0;
    const std::size_t end = std::min(size, static_cast<std::size_t>(kGridFileReadLimit));
    for (std::size_t i = 0; i < end && text.size() < kTextSize; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == CR) {
            ++crs;
        } else if (c == LF) {
            crs = 0;
            text += "\r\n";
        } else {
            text.append(crs, CR);
            crs = 0;
            if (c == SUB)
                break;
            text += c;
        }
    }
    text.append(crs, CR);
    text.resize(std::min(text.size(), kTextSize));
    return text.size() > kGridHeaderSize ? text.substr(kGridHeaderSize) : std::string();
}

std::uint64_t Hash(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211u;
    return hash;
}

// The 81 values read, written as the program writes them, must read back the same.
void CheckRoundTrip(const Reading& reading, std::uint64_t seed)
{
    std::uint8_t grid[9][9];
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col)
            grid[row][col] = GridBlockValue(reading.block, row, col);
    }
    char built[kGridBlockSize];
    BuildGridBlock(grid, built);
    const std::string bytes = GridFileBytes(built);
    Require(bytes.size() == 202, "GridFileBytes did not give 202 bytes");
    Require(GridBlockCharsIn(built, 202) == kGridBlockSize, "202 written bytes do not hold 180 block characters");

    const auto* written = reinterpret_cast<const std::uint8_t*>(bytes.data());
    Feed feed{written, bytes.size(), static_cast<long>(bytes.size()), Pieces::Mixed, seed};
    const Reading back = Read(feed);
    CheckBlock(back);
    Require(back.count == kGridBlockSize, "a written file does not read back 180 characters");
    Require(std::memcmp(back.block, built, kGridBlockSize) == 0, "a written file reads back another block");
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col)
            Require(GridBlockValue(back.block, row, col) == grid[row][col], "a written value reads back changed");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const long length = static_cast<long>(size);
    const std::uint64_t seed = Hash(data, size);

    Feed whole{data, size, length, Pieces::AsAsked, seed};
    const Reading reference = Read(whole);
    CheckBlock(reference);
    const std::string decoded = DecodedBlock(data, size);
    Require(reference.count == static_cast<int>(decoded.size()), "count differs from the decoded text's");
    Require(decoded.compare(0, decoded.size(), reference.block, decoded.size()) == 0,
            "block differs from the decoded text");

    Feed bytes{data, size, length, Pieces::Bytes, seed};
    Require(Same(Read(bytes), reference), "reading byte by byte differs from reading in one piece");
    Feed mixed{data, size, length, Pieces::Mixed, seed};
    Require(Same(Read(mixed), reference), "reading in pieces differs from reading in one piece");

    // A read error somewhere in the file: -1 if the reader met it, else the same as without it.
    Feed failing{data, size, length, Pieces::Mixed, seed, static_cast<long>(seed % (size + 1))};
    const Reading failed = Read(failing);
    if (failing.failed)
        Require(failed.count == -1, "a failed read did not give -1");
    else
        Require(Same(failed, reference), "a read error the reader never met changed the result");

    CheckRoundTrip(reference, seed);

    // The input repeated without end stands for a huge file: the feed checks that the reader stops at
    // the limit.
    if (size > 0) {
        // Whole copies of the input, enough for each piece to be copied in at most two runs.
        std::string period;
        while (period.size() < 4096)
            period.append(reinterpret_cast<const char*>(data), size);
        const auto* periodBytes = reinterpret_cast<const std::uint8_t*>(period.data());
        Feed endless{periodBytes, period.size(), std::numeric_limits<long>::max(), Pieces::Mixed, seed};
        CheckBlock(Read(endless));
    }
    return 0;
}
