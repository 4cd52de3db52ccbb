// SPDX-License-Identifier: GPL-3.0-or-later

#include "savefile.h"

#include "filereason.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>

QString AfxOpenForSaving(QSaveFile& file)
{
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    // Qt falls back on writing in place only when it cannot make the file beside the target.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return AfxFileErrorReason(file, errno);
    return {};
}

bool AfxSavesInPlace(const QSaveFile& file)
{
    struct stat written;
    struct stat target;
    return fstat(file.handle(), &written) == 0 && stat(QFile::encodeName(file.fileName()).constData(), &target) == 0 &&
           written.st_dev == target.st_dev && written.st_ino == target.st_ino;
}
