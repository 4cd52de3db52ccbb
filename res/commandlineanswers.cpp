// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandlineanswers.h"

#include "programinfo.h"
#include "resource.h"
#include "version.h"

namespace {
const char kHelp[] = "Utilisation : " CARRELIX_COMMAND " [OPTION...] [[--] FICHIER]\n"
                     "Ouvre la fenêtre du " CARRELIX_NAME ", une grille de Sudoku à remplir au clavier.\n"
                     "\n"
                     "  FICHIER      une grille enregistrée à ouvrir au démarrage\n"
                     "  -h, --help   affiche cette aide et quitte\n"
                     "  --version    affiche la version et quitte\n"
                     "  --           ce qui suit est un nom de fichier, même s'il commence par « - »\n"
                     "\n"
                     "Les options standard de Qt sont aussi acceptées : -platform, -style, -display, -geometry...\n";
} // namespace

CommandLineAnswers CarrelixCommandLineAnswers()
{
    const int* v = versionInfo.fileVersion;
    return {
        QString::fromUtf8(kHelp),
        QStringLiteral("%1 %2 (%3.%4.%5.%6) - %7\n")
            .arg(AfxLoadString(AFX_IDS_APP_TITLE), QString::fromUtf8(versionInfo.productVersionText))
            .arg(v[0])
            .arg(v[1])
            .arg(v[2])
            .arg(v[3])
            .arg(QString::fromUtf8(versionInfo.fileDescription)),
        QStringLiteral(CARRELIX_COMMAND ": option inconnue « %1 » ; « " CARRELIX_COMMAND
                                        " --help » en donne la liste\n"),
    };
}
