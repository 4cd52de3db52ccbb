// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <QStringList>

class QSettings;

// The most recently used files, newest first, at most a given number, as kept in the settings
// under "Recent File List" (File1, File2, ...). Entries that cannot be paths are dropped when read.
class CRecentFileList
{
public:
    explicit CRecentFileList(int nSize);

    void Add(const QString& pathName);
    void Remove(int nIndex);
    const QStringList& Files() const { return m_files; }

    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

private:
    int m_nSize;
    QStringList m_files;
};
