// SPDX-License-Identifier: GPL-3.0-or-later

#include "spokentext.h"

#include <QRegularExpression>

QString SpokenText(const QString& shown)
{
    static const QRegularExpression quotationMarks(QStringLiteral("«\\s*|\\s*»"));
    static const QRegularExpression spacedColon(QStringLiteral("\\s+:\\s+"));
    return QString(shown).remove(quotationMarks).replace(spacedColon, QStringLiteral(", "));
}
