// SPDX-License-Identifier: GPL-3.0-or-later

// Saves or reads a grid file the way File > Save and File > Open do, or saves it the document's way,
// by File > Save As or from the question about a changed grid, for tests that need another process:
// one with fewer rights, a limit on file sizes, or a full disk of its own. What the user would be
// told, and the beep, go to standard output.
#include "appsession.h"
#include "document.h"
#include "filedialog.h"
#include "framewnd.h"
#include "gridfile.h"
#include "messagebeep.h"
#include "messagebox.h"
#include "ninegridview.h"
#include "resource.h"
#include "safesave.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    IgnoreFileSizeSignal();
    const auto tell = [](const QString& text, UINT type) {
        std::printf("message: %s\n", text.toUtf8().constData());
        return (type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDYES : IDOK;
    };
    SetMessageBoxHook(tell);
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
    const bool saveAs = std::strcmp(argv[1], "save as") == 0;
    if (!saveAs && std::strcmp(argv[1], "question") != 0)
        return 2;
    AppSession session;
    if (!session.Start())
        return 2;
    SetMessageBoxHook(tell);
    const QString path = QString::fromLocal8Bit(argv[2]);
    SetFileDialogHook([path](QFileDialog&) { return path; });
    session.Cell(8, 8)->insert("9");
    // The question comes before File > New throws the changed grid away.
    session.Frame()->ExecuteCommand(saveAs ? ID_FILE_SAVE_AS : ID_FILE_NEW);
    const bool saved = !session.View()->GetDocument()->IsModified();
    session.Stop();
    return saved ? 0 : 1;
}
