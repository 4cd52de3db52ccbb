#include "recentfilelist.h"

#include <QDir>
#include <QSettings>

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString EntryKey(int nIndex)
{
    return QStringLiteral("File%1").arg(nIndex + 1);
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
        if (!file.isEmpty() && !m_files.contains(file))
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
