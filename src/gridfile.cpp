// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridfile.h"

#include "filereason.h"
#include "messagebeep.h"
#include "messagebox.h"
#include "regularfile.h"
#include "safesave.h"

#include <QFile>
#include <QFileDevice>

#include <cerrno>
#include <cstdio>
#include <cstring>

OPENFILENAMEA g_ofn{};

namespace {
const char kOpenFilters[] = "Text\0*.TXT\0All\0*.*\0";
} // namespace

void AddFileFilter(char* szFilter, std::size_t size, const char* description, const char* pattern)
{
    const std::size_t descriptionLength = std::strlen(description);
    const std::size_t patternLength = std::strlen(pattern);
    if (descriptionLength + patternLength + 3 > size) {
        if (size > 1)
            szFilter[0] = szFilter[1] = '\0';
        return;
    }
    std::memcpy(szFilter, description, descriptionLength + 1);
    std::memcpy(szFilter + descriptionLength + 1, pattern, patternLength + 1);
    szFilter[descriptionLength + patternLength + 2] = '\0';
}

BOOL AskSaveFileName(std::string& path)
{
    char szFilter[256];
    AddFileFilter(szFilter, sizeof szFilter, "Text files (*.txt)", "*.txt");
    g_ofn.lpstrDefExt = "txt";
    g_ofn.hwndOwner = nullptr;
    g_ofn.lpstrFilter = szFilter;
    g_ofn.nFilterIndex = 1;
    g_ofn.lpstrFile = &path;
    g_ofn.lpstrInitialDir = nullptr;
    g_ofn.lpstrTitle = nullptr;
    g_ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_SHOWHELP;
    const BOOL chosen = GetSaveFileNameA(&g_ofn);
    // The record must not keep pointers to this call's buffers.
    g_ofn.lpstrFilter = nullptr;
    g_ofn.lpstrFile = nullptr;
    return chosen;
}

// The open dialog keeps the default extension that the last save dialog set.
BOOL AskOpenFileName(std::string& path)
{
    path.clear();
    g_ofn.hwndOwner = nullptr;
    g_ofn.lpstrFilter = kOpenFilters;
    g_ofn.nFilterIndex = 1;
    g_ofn.lpstrFile = &path;
    g_ofn.lpstrInitialDir = nullptr;
    g_ofn.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const BOOL chosen = GetOpenFileNameA(&g_ofn);
    g_ofn.lpstrFile = nullptr;
    return chosen;
}

bool WriteGridFile(const char szData[kGridBlockSize])
{
    std::string szFileName;
    return AskSaveFileName(szFileName) && SaveGridFile(szData, szFileName);
}

bool SaveGridFile(const char szData[kGridBlockSize], const std::string& path)
{
    const QString fileName = QString::fromStdString(path);
    const std::optional<SaveFailure> failure = SaveFile(fileName, [szData](QFileDevice& file) {
        const int written = WriteGridBlock(file, szData);
        const int error = errno;
        std::printf("Wrote %d items\n", written);
        std::fflush(stdout);
        return written == kGridBlockSize ? QString() : FileErrorReason(file, error);
    });
    if (failure && failure->beforeWriting) {
        std::printf("Problem opening the file\n");
        std::fflush(stdout);
        ReportFileError(QStringLiteral("Impossible d'enregistrer la grille dans « %1 » : %2."), fileName,
                        failure->reason);
        return false;
    }
    if (failure) {
        ReportFileError(QStringLiteral("La grille n'a pas pu être enregistrée dans « %1 » : %2."), fileName,
                        failure->inPlace
                            ? failure->reason
                            : failure->reason + QStringLiteral(" ; le fichier existant n'a pas été modifié"));
        return false;
    }
    MessageBeep(MB_OK);
    return true;
}

bool OpenGridFile(char szData[kGridBlockSize], std::string* chosen)
{
    std::string szFileName;
    if (!AskOpenFileName(szFileName))
        return false;
    if (chosen)
        *chosen = szFileName;
    return ReadGridFile(szData, szFileName);
}

bool ReadGridFile(char szData[kGridBlockSize], const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (const QString reason = OpenRegularFile(file); !reason.isEmpty()) {
        std::printf("File could not be opened\n");
        std::fflush(stdout);
        ReportFileError(QStringLiteral("Impossible d'ouvrir la grille « %1 » : %2."), QString::fromStdString(path),
                        reason);
        return false;
    }
    const int count = ReadGridBlockFrom(file, szData);
    std::printf("Number of items read = %d\n", count < 0 ? 0 : count);
    std::fflush(stdout);
    if (count < 0) {
        ReportFileError(QStringLiteral("Impossible de lire la grille « %1 » : %2."), QString::fromStdString(path),
                        FileErrorReason(file, errno));
        return false;
    }
    if (const QString reason = NotAGridFileReason(count); !reason.isEmpty()) {
        ReportFileError(QStringLiteral("Impossible d'ouvrir la grille « %1 » : %2."), QString::fromStdString(path),
                        reason);
        return false;
    }
    return true;
}

QString NotAGridFileReason(int count)
{
    if (count >= kGridBlockMinimum)
        return {};
    return QStringLiteral("ce n'est pas un fichier de grille (%1 caractères de grille sur %2)")
        .arg(count)
        .arg(kGridBlockSize);
}

int WriteGridBlock(QIODevice& file, const char szData[kGridBlockSize])
{
    const std::string bytes = GridFileBytes(szData);
    const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return GridBlockCharsIn(szData, written < 0 ? 0 : static_cast<long>(written));
}

int ReadGridBlockFrom(QIODevice& file, char szData[kGridBlockSize])
{
    return ReadGridBlock([&file](char* buffer, long size) { return static_cast<long>(file.read(buffer, size)); },
                         szData);
}

QString StoreGrid(QFileDevice& file, const std::uint8_t grid[9][9])
{
    char szData[kGridBlockSize];
    BuildGridBlock(grid, szData);
    return WriteGridBlock(file, szData) == kGridBlockSize ? QString() : FileErrorReason(file, errno);
}

QString LoadGrid(QFileDevice& file, char szData[kGridBlockSize])
{
    const int count = ReadGridBlockFrom(file, szData);
    return count < 0 ? FileErrorReason(file, errno) : NotAGridFileReason(count);
}
