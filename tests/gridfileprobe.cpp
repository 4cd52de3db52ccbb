// SPDX-License-Identifier: GPL-3.0-or-later

// Saves or reads a grid file the way File > Save and File > Open do, for tests that need another
// process: one with fewer rights, or a limit on file sizes. What the user would be told, and the
// beep, go to standard output.
#include "gridfile.h"
#include "messagebeep.h"
#include "messagebox.h"
#include "safesave.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    IgnoreFileSizeSignal();
    SetMessageBoxHook([](const QString& text, UINT) {
        std::printf("message: %s\n", text.toUtf8().constData());
        return IDOK;
    });
    SetMessageBeepHook([](UINT) { std::printf("beep\n"); });
    char block[kGridBlockSize];
    if (std::strcmp(argv[1], "save") == 0) {
        std::uint8_t grid[9][9] = {};
        grid[8][8] = 9;
        BuildGridBlock(grid, block);
        return SaveGridFile(block, argv[2]) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "read") == 0)
        return ReadGridFile(block, argv[2]) ? 0 : 1;
    return 2;
}
