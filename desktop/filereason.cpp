// SPDX-License-Identifier: GPL-3.0-or-later

#include "filereason.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <cerrno>
#include <iterator>

namespace {
struct Reason
{
    int error;
    const char* text;
};

constexpr Reason kReasons[] = {
    {ENOSPC, "il n'y a plus de place sur le disque"},
    {EDQUOT, "le quota d'espace disque est atteint"},
    {EFBIG, "le fichier dépasserait la taille permise"},
    {EACCES, "permission refusée"},
    {EPERM, "permission refusée"},
    {ENAMETOOLONG, "le nom est trop long"},
    {ENOENT, "le fichier ou son dossier n'existe pas"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier"},
    {EISDIR, "c'est un dossier"},
    {EROFS, "le système de fichiers est en lecture seule"},
    {EIO, "erreur d'entrée-sortie sur le disque"},
};
} // namespace

QString FileErrorReason(int nError)
{
    for (const Reason& reason : kReasons) {
        if (reason.error == nError)
            return QString::fromUtf8(reason.text);
    }
    return qt_error_string(nError);
}

// Qt words a device's system errors with qt_error_string: the same words name the same error.
QString FileErrorReason(const QFileDevice& file, int nError)
{
    const QString said = file.errorString();
    for (const Reason& reason : kReasons) {
        if (said == qt_error_string(reason.error))
            return QString::fromUtf8(reason.text);
    }
    if (nError != 0 && (said.isEmpty() || said == QCoreApplication::translate("QIODevice", "Unknown error")))
        return FileErrorReason(nError);
    return said;
}
