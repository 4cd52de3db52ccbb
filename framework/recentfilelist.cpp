// SPDX-License-Identifier: GPL-3.0-or-later

#include "recentfilelist.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <climits>

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int nIndex)
{
    return QStringLiteral("File%1").arg(nIndex + 1);
}

// What a damaged settings file may hold in place of a path: a NUL, more bytes than the system takes
// in a path, a name relative to whatever folder the program was started in.
bool IsPlausiblePath(const QString& file)
{
    return !file.isEmpty() && !file.contains(QChar(0)) && QFile::encodeName(file).size() < PATH_MAX &&
           QDir::isAbsolutePath(file);
}
} // namespace

CRecentFileList::CRecentFileList(int nSize) : m_nSize(nSize)
{}

void CRecentFileList::Add(const QString& pathName)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(pathName));
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_files.size())
        m_files.removeAt(nIndex);
}

void CRecentFileList::ReadList(QSettings& settings)
{
    m_files.clear();
    settings.beginGroup(kSection);
    for (int i = 0; i < m_nSize; ++i) {
        const QString file = settings.value(EntryKey(i)).toString();
        if (IsPlausiblePath(file) && !m_files.contains(file))
            m_files.append(file);
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const
{
    settings.beginGroup(kSection);
    settings.remove(QString());
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(EntryKey(i), m_files[i]);
    settings.endGroup();
}
