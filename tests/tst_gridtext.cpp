// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridbytes.h"
#include "gridtext.h"

#include <QTest>

#include <cstring>

namespace {
// Feeds bytes to ReadGridBlock in small pieces, as a file would, and counts what was asked for.
struct ByteFeed
{
    QByteArray bytes;
    long position = 0;
    long requested = 0;

    long operator()(char* buffer, long size)
    {
        requested += size;
        const long n = std::min<long>(size, bytes.size() - position);
        std::memcpy(buffer, bytes.constData() + position, static_cast<size_t>(n));
        position += n;
        return n;
    }
};

QByteArray ValuesOf(const char block[kGridBlockSize])
{
    QByteArray values;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col)
            values += char('0' + GridBlockValue(block, row, col));
    }
    return values;
}

const QByteArray kSampleValues = "100000000"
                                 "020000000"
                                 "003000000"
                                 "000400000"
                                 "000050000"
                                 "000006000"
                                 "000000700"
                                 "000000080"
                                 "000000009";
} // namespace

// The grid text file's bytes, both ways.
class GridText : public QObject
{
    Q_OBJECT

private slots:
    void emptyGridIs202BytesOfZeros()
    {
        const std::uint8_t grid[9][9] = {};
        char block[kGridBlockSize];
        BuildGridBlock(grid, block);
        const std::string bytes = GridFileBytes(block);
        QCOMPARE(QByteArray::fromStdString(bytes), GridFileBytesOf(QByteArray(81, '0')));
        QCOMPARE(bytes.size(), size_t(202));
    }

    void rowIsWrittenWithTabsAndCrCrLf()
    {
        std::uint8_t grid[9][9] = {};
        grid[0][0] = 5;
        grid[0][1] = 3;
        grid[8][8] = 9;
        char block[kGridBlockSize];
        BuildGridBlock(grid, block);
        const QByteArray bytes = QByteArray::fromStdString(GridFileBytes(block));
        QCOMPARE(bytes.left(13), QByteArray::fromHex("76657273696f6e2030310d0d0a"));
        QCOMPARE(bytes.mid(13, 21), QByteArray::fromHex("3509330930093009300930093009300930090d0d0a"));
        QCOMPARE(bytes.right(3), QByteArray("\r\r\n"));
        QCOMPARE(bytes.at(202 - 5), '9');
    }

    void blockCharactersAreCountedFromBytesWritten_data()
    {
        QTest::addColumn<long>("bytes");
        QTest::addColumn<int>("chars");
        QTest::newRow("all") << 202L << 180;
        QTest::newRow("none") << 0L << 0;
        QTest::newRow("header only") << 13L << 0;
        QTest::newRow("row without its line end") << 13L + 18 << 18;
        QTest::newRow("row and CR") << 13L + 19 << 19;
        QTest::newRow("row and half its LF") << 13L + 20 << 19;
        QTest::newRow("whole row") << 13L + 21 << 20;
    }

    void blockCharactersAreCountedFromBytesWritten()
    {
        QFETCH(long, bytes);
        QFETCH(int, chars);
        const std::uint8_t grid[9][9] = {};
        char block[kGridBlockSize];
        BuildGridBlock(grid, block);
        QCOMPARE(GridBlockCharsIn(block, bytes), chars);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("values");

        const QByteArray own = SampleGridFile();
        QByteArray crlf = own;
        crlf.replace("\r\r\n", "\r\n");
        QByteArray lf = own;
        lf.replace("\r\r\n", "\n");
        QByteArray manyCRs = own;
        manyCRs.replace("\r\r\n", "\r\r\r\r\n");
        QByteArray otherSeparators = own;
        otherSeparators.replace('\t', 'x');
        QByteArray oddCells = own;
        oddCells[13] = ' ';          // (0, 0)
        oddCells[13 + 21 + 2] = 'a'; // (1, 1)
        oddCells[13 + 42 + 4] = '\xE9';
        oddCells[13 + 63 + 6] = '\x80';
        const QByteArray empties(36, '0');
        const QByteArray lastRow = GridFileBytesOf(QByteArray(72, ' ') + "7       9");
        QTest::newRow("own file") << own << 180 << kSampleValues;
        QTest::newRow("other header") << QByteArray("VERSION 99\r\r\n" + own.mid(13)) << 180 << kSampleValues;
        QTest::newRow("CR LF line ends") << crlf << 180 << kSampleValues;
        QTest::newRow("LF line ends") << lf << 180 << kSampleValues;
        QTest::newRow("many CRs before LF") << manyCRs << 180 << kSampleValues;
        QTest::newRow("other separators") << otherSeparators << 180 << kSampleValues;
        QTest::newRow("odd cell characters") << oddCells << 180 << empties + kSampleValues.mid(36);
        QTest::newRow("extra data after") << own + "trailing\r\nbytes" << 180 << kSampleValues;
        QTest::newRow("whole last row") << lastRow << 180 << QByteArray(72, '0') + "700000009";
        QTest::newRow("cut at 162") << lastRow.left(13 + 8 * 21 + 2) << 162 << QByteArray(72, '0') + "700000000";
        QTest::newRow("cut at 161") << lastRow.left(13 + 8 * 21 + 1) << 161 << QByteArray(72, '0') + "700000000";
        QTest::newRow("SUB ends data") << own.left(13 + 5 * 21) + '\x1A' + own.mid(13 + 5 * 21) << 100
                                       << kSampleValues.left(45) + QByteArray(36, '0');
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray(81, '0');
        QTest::newRow("header only") << own.left(13) << 0 << QByteArray(81, '0');
        QTest::newRow("CR at end") << own.left(13) + "1\t\r" << 3 << "1" + QByteArray(80, '0');
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(QByteArray, values);
        ByteFeed feed{file};
        char block[kGridBlockSize];
        QCOMPARE(ReadGridBlock(std::ref(feed), block), count);
        QCOMPARE(ValuesOf(block), values);
    }

    void hugeFileIsNotReadPastTheGrid_data()
    {
        QTest::addColumn<char>("filler");
        QTest::addColumn<long>("limit");
        QTest::newRow("text") << 'x' << 4096L;
        QTest::newRow("CRs") << '\r' << kGridFileReadLimit;
    }

    void hugeFileIsNotReadPastTheGrid()
    {
        QFETCH(char, filler);
        QFETCH(long, limit);
        ByteFeed feed{QByteArray(64 << 20, filler)};
        char block[kGridBlockSize];
        QCOMPARE(ReadGridBlock(std::ref(feed), block), 180);
        QVERIFY(feed.requested <= limit);
        QCOMPARE(ValuesOf(block), QByteArray(81, '0'));
    }

    void readErrorIsReported()
    {
        char block[kGridBlockSize];
        QCOMPARE(ReadGridBlock([](char*, long) { return -1L; }, block), -1);
    }
};

QTEST_GUILESS_MAIN(GridText)
#include "tst_gridtext.moc"
