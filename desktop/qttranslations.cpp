// SPDX-License-Identifier: GPL-3.0-or-later

#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

bool LoadQtTranslations()
{
    static QTranslator translator;
    if (!translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        std::fputs("Traductions françaises de Qt (qtbase_fr.qm) introuvables\n", stderr);
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}
