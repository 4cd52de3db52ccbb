// SPDX-License-Identifier: GPL-3.0-or-later

#include "regularfile.h"

#include "filereason.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString AfxOpenRegularFile(QFile& file, const QByteArray& nativeName)
{
    // Opened without waiting, then looked at: the file checked is the file read.
    const QByteArray name = nativeName.isEmpty() ? QFile::encodeName(file.fileName()) : nativeName;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && nativeName.isEmpty() && file.fileName().contains(QChar::ReplacementCharacter))
        return QStringLiteral("le fichier n'existe pas sous ce nom ; un nom qui n'est pas écrit en UTF-8, le codage "
                              "des noms de fichiers du système, ne peut pas être ouvert : renommez le fichier");
    if (fd < 0)
        return errno == ENOENT ? QStringLiteral("le fichier n'existe pas") : AfxFileErrorReason(errno);
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return AfxFileErrorReason(file, errno);
    }
    return {};
}
