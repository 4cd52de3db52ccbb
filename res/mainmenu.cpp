// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainmenu.h"

#include "programinfo.h"
#include "resource.h"

namespace {
const MenuItemTemplate kSeparator{"", 0, MF_SEPARATOR, {}};
}

// "Fichier récent" holds the place of the recent-file list: grayed while the list is empty.
const MenuTemplate mainMenu{
    IDR_MAINFRAME,
    {
        {"&Fichier",
         0,
         0,
         {
             {"&Nouveau\tCtrl+N", ID_FILE_NEW, 0, {}},
             {"&Ouvrir...\tCtrl+O", ID_FILE_OPEN, 0, {}},
             {"&Enregistrer\tCtrl+S", ID_FILE_SAVE, 0, {}},
             {"Enregistrer &sous...", ID_FILE_SAVE_AS, 0, {}},
             {"&Imprimer...\tCtrl+P", ID_FILE_PRINT, 0, {}},
             kSeparator,
             {"Fichier récent", ID_FILE_MRU_FILE1, MF_GRAYED, {}},
             kSeparator,
             {"&quitter", ID_APP_EXIT, 0, {}},
         }},
        {"&Edition",
         0,
         0,
         {
             {"&Annuler\tCtrl+Z", ID_EDIT_UNDO, 0, {}},
             {"&Rétablir\tCtrl+Y", ID_EDIT_REDO, 0, {}},
             kSeparator,
             {"&Couper\tCtrl+X", ID_EDIT_CUT, 0, {}},
             {"C&opier\tCtrl+C", ID_EDIT_COPY, 0, {}},
             {"Co&ller\tCtrl+V", ID_EDIT_PASTE, 0, {}},
         }},
        {"&Affichage",
         0,
         0,
         {
             {"&barre d'outils", ID_VIEW_TOOLBAR, 0, {}},
             {"&barre d'état", ID_VIEW_STATUS_BAR, 0, {}},
         }},
        {"&Grille",
         0,
         0,
         {
             {"&Nouvelle grille",
              0,
              0,
              {
                  {"&Facile", ID_NEW_PUZZLE_SIMPLE, 0, {}},
                  {"&Moyenne", ID_NEW_PUZZLE_EASY, 0, {}},
                  {"&Difficile", ID_NEW_PUZZLE_INTERMEDIATE, 0, {}},
                  {"&Expert", ID_NEW_PUZZLE_EXPERT, 0, {}},
              }},
             kSeparator,
             {"&Indice\tCtrl+H", ID_GRID_HINT, 0, {}},
             {"&Résoudre", ID_GRID_SOLVE, 0, {}},
             kSeparator,
             {"&Figer les chiffres", ID_GRID_FREEZE_GIVENS, 0, {}},
         }},
        {"&Aide",
         0,
         0,
         {
             {"&À propos de " CARRELIX_NAME "...", ID_APP_ABOUT, 0, {}},
         }},
    },
};
