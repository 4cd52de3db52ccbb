// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandlinehelp.h"

const char commandLineHelp[] =
    "Utilisation : carrelix [OPTION...] [[--] FICHIER]\n"
    "Ouvre la fenêtre du Carrelix, une grille de Sudoku à remplir au clavier.\n"
    "\n"
    "  FICHIER      une grille enregistrée à ouvrir au démarrage\n"
    "  -h, --help   affiche cette aide et quitte\n"
    "  --version    affiche la version et quitte\n"
    "  --           ce qui suit est un nom de fichier, même s'il commence par « - »\n"
    "\n"
    "Les options standard de Qt sont aussi acceptées : -platform, -style, -display, -geometry...\n";
