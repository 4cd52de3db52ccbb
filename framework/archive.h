// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wintypes.h"

#include <QString>

class QFileDevice;

// What a document's Serialize reads its content from, or writes it to: an open file.
class CArchive
{
public:
    enum Mode { store = 0, load = 1 };

    CArchive(QFileDevice* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode) {}

    BOOL IsStoring() const { return m_nMode == store; }
    QFileDevice* GetFile() const { return m_pFile; }

    // Serialize tells the framework that the content could not be read or written, and why.
    void SetError(const QString& reason) { m_strError = reason; }
    const QString& GetError() const { return m_strError; }

private:
    QFileDevice* m_pFile;
    UINT m_nMode;
    QString m_strError;
};
