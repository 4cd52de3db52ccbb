// SPDX-License-Identifier: GPL-3.0-or-later

#include "regularfile.h"

#include "filereason.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString OpenRegularFile(QFile& file, const QByteArray& nativeName)
{
    // Where the working folder has no name (a path over the system's limit), a relative name could
    // only be kept as "/" and the name, which may be another file.
    if (QDir::isRelativePath(file.fileName()) && QDir::currentPath().isEmpty())
        return QStringLiteral("le dossier courant est trop profond pour qu'un nom relatif y soit suivi ; "
                              "donnez le chemin complet du fichier");
    // Opened without waiting, then looked at: the file checked is the file read.
    const QByteArray name = nativeName.isEmpty() ? QFile::encodeName(file.fileName()) : nativeName;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && nativeName.isEmpty() && file.fileName().contains(QChar::ReplacementCharacter))
        return QStringLiteral("le fichier n'existe pas sous ce nom ; un nom qui n'est pas écrit en UTF-8, le codage "
                              "des noms de fichiers du système, ne peut pas être ouvert : renommez le fichier");
    if (fd < 0)
        return errno == ENOENT ? QStringLiteral("le fichier n'existe pas") : FileErrorReason(errno);
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileErrorReason(file, errno);
    }
    return {};
}
