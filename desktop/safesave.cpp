// SPDX-License-Identifier: GPL-3.0-or-later

#include "safesave.h"

#include "filereason.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>

#include <sys/stat.h>

namespace {
// Whether the save file writes the target itself rather than a new file beside it.
bool WritesInPlace(const QSaveFile& file)
{
    struct stat written;
    struct stat target;
    return fstat(file.handle(), &written) == 0 && stat(QFile::encodeName(file.fileName()).constData(), &target) == 0 &&
           written.st_dev == target.st_dev && written.st_ino == target.st_ino;
}
} // namespace

std::optional<SaveFailure> SaveFile(const QString& pathName, const std::function<QString(QFileDevice& file)>& write)
{
    const QFileInfo info(pathName);
    if (info.exists() && !info.isFile())
        return SaveFailure{true, false, QStringLiteral("ce n'est pas un fichier ordinaire")};
    QSaveFile file(pathName);
    // Qt falls back on writing in place only when it cannot make the file beside the target.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailure{true, false, FileErrorReason(file, errno)};
    const bool inPlace = WritesInPlace(file);
    QString reason = write(file);
    // The flush comes first: Qt's commit would miss an error of the last buffered write and put an
    // incomplete file in place of the old one.
    if (reason.isEmpty() && (!file.flush() || !file.commit()))
        reason = FileErrorReason(file, errno);
    if (reason.isEmpty())
        return std::nullopt;
    file.cancelWriting();
    if (inPlace)
        reason += QStringLiteral(" ; le fichier a pu n'être écrit qu'en partie");
    return SaveFailure{false, inPlace, reason};
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
