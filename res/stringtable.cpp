// SPDX-License-Identifier: GPL-3.0-or-later

#include "stringtable.h"

#include "programinfo.h"
#include "resource.h"

namespace {
constexpr UINT AFX_IDS_SCSIZE = 61184;
constexpr UINT AFX_IDS_SCMOVE = 61185;
constexpr UINT AFX_IDS_SCMINIMIZE = 61186;
constexpr UINT AFX_IDS_SCMAXIMIZE = 61187;
constexpr UINT AFX_IDS_SCCLOSE = 61190;
constexpr UINT AFX_IDS_SCRESTORE = 61202;
constexpr char kOpenThisDocument[] = "Ouvrir ce document";
} // namespace

// clang-format off
const std::vector<StringEntry> stringTable{
    {IDP_OLE_INIT_FAILED, "Échec de l'initialisation d'OLE. Assurez-vous que vous utilisez la bonne version des bibliothèques OLE."},
    {IDR_MAINFRAME, "Le " CARRELIX_NAME "\n\nLe " CARRELIX_NAME "\n\n\nLe " CARRELIX_NAME ".Document\nLe " CARRELIX_NAME ".Document"},
    {AFX_IDS_APP_TITLE, "Le " CARRELIX_NAME},
    {AFX_IDS_IDLEMESSAGE, "Prêt"},
    {ID_FILE_NEW, "Crée un nouveau document\nNouveau"},
    {ID_FILE_OPEN, "Ouvre un document existant\nOuvrir"},
    {ID_FILE_SAVE, "Enregistre le document actif\nEnregistrer"},
    {ID_FILE_SAVE_AS, "Enregistre le document actif sous un nouveau nom\nEnregistrer sous"},
    {ID_FILE_PRINT, "Imprime la grille\nImprimer"},
    {ID_FILE_MRU_FILE1, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 1, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 2, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 3, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 4, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 5, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 6, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 7, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 8, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 9, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 10, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 11, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 12, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 13, kOpenThisDocument},
    {ID_FILE_MRU_FILE1 + 14, kOpenThisDocument},
    {ID_FILE_MRU_FILE16, kOpenThisDocument},
    {ID_EDIT_COPY, "Copie la sélection et la place dans le Presse-papiers\nCopier"},
    {ID_EDIT_CUT, "Coupe la sélection et la place dans le Presse-papiers\nCouper"},
    {ID_EDIT_PASTE, "Insère le contenu du presse-papiers\nColler"},
    {ID_EDIT_UNDO, "Annule la dernière action\nAnnuler"},
    {ID_EDIT_REDO, "Rétablit la dernière action annulée\nRétablir"},
    {ID_APP_ABOUT, "Affiche des informations concernant le programme, le numéro de version et le copyright\nÀ propos de"},
    {ID_APP_EXIT, "Quitte l'application et demande si les documents doivent être enregistrés\nQuitter"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {ID_VIEW_TOOLBAR, "Affiche ou masque la barre d'outils\nActiver/Désactiver Barre d'outils"},
    {ID_VIEW_STATUS_BAR, "Affiche ou masque la barre d'état\nActiver/Désactiver Barre d'état"},
    // The Grille menu.
    {ID_NEW_PUZZLE_SIMPLE, "Remplace la grille par une nouvelle grille facile, à solution unique\nNouvelle grille facile"},
    {ID_NEW_PUZZLE_EASY, "Remplace la grille par une nouvelle grille moyenne, à solution unique\nNouvelle grille moyenne"},
    {ID_NEW_PUZZLE_INTERMEDIATE, "Remplace la grille par une nouvelle grille difficile, à solution unique\nNouvelle grille difficile"},
    {ID_NEW_PUZZLE_EXPERT, "Remplace la grille par une nouvelle grille experte, à solution unique\nNouvelle grille experte"},
    {ID_GRID_HINT, "Remplit une case vide et dit pourquoi ce chiffre y va\nIndice"},
    {ID_GRID_SOLVE, "Remplit toutes les cases vides avec la solution de la grille\nRésoudre"},
    {ID_GRID_FREEZE_GIVENS, "Fait des chiffres de la grille des chiffres donnés, que rien ne change, ou les libère\nFiger les chiffres"},
    // The grid's state pane: its indicator string, the longest of its texts, sets its width.
    {ID_INDICATOR_GRID_STATE, "Plusieurs solutions"},
    {IDS_GRID_ONE_SOLUTION, "Une solution"},
    {IDS_GRID_SEVERAL_SOLUTIONS, "Plusieurs solutions"},
    {IDS_GRID_NO_SOLUTION, "Aucune solution"},
    {IDS_GRID_COMPLETE, "Grille complète"},
    {IDS_HINT_ONLY_DIGIT, "Indice, seul chiffre possible en ligne %1, colonne %2"},
    {IDS_HINT_ONLY_PLACE_IN_ROW, "Indice, seule place pour le %1 dans la ligne %2"},
    {IDS_HINT_ONLY_PLACE_IN_COLUMN, "Indice, seule place pour le %1 dans la colonne %2"},
    {IDS_HINT_ONLY_PLACE_IN_BOX, "Indice, seule place pour le %1 dans le carré %2"},
    {IDS_HINT_FROM_SOLUTION, "Indice, pas de déduction simple, chiffre de la solution en ligne %1, colonne %2"},
    {IDS_HINT_NO_SOLUTION, "Pas d'indice, la grille n'a aucune solution"},
    {IDS_HINT_SEVERAL_SOLUTIONS, "Pas d'indice, la grille a plusieurs solutions"},
    {IDS_SOLVE_NO_SOLUTION, "Rien à résoudre, la grille n'a aucune solution"},
    {IDS_SOLVE_SEVERAL_SOLUTIONS, "Rien à résoudre, la grille a plusieurs solutions"},
    {IDS_GRID_ALREADY_COMPLETE, "La grille est déjà complète"},
    // The window menu's prompts: the desktop's window manager draws that menu here and shows none.
    {AFX_IDS_SCSIZE, "Modifie la taille de la fenêtre"},
    {AFX_IDS_SCMOVE, "Modifie la position de la fenêtre"},
    {AFX_IDS_SCMINIMIZE, "Affiche la fenêtre sous forme d'icône"},
    {AFX_IDS_SCMAXIMIZE, "Affiche la fenêtre en plein écran"},
    {AFX_IDS_SCCLOSE, "Ferme la fenêtre active et demande si les documents doivent être enregistrés"},
    {AFX_IDS_SCRESTORE, "Restaure la fenêtre à sa taille normale"},
    // What the framework says of documents.
    {AFX_IDS_SAVEFILE, "Enregistrer sous"},
    {AFX_IDS_ALLFILTER, "Tous les fichiers (*)"},
    {AFX_IDS_UNTITLED, "Sans titre"},
    {AFX_IDP_FAILED_TO_OPEN_DOC, "Impossible d'ouvrir le document « %1 » : %2."},
    {AFX_IDP_FAILED_TO_SAVE_DOC, "Impossible d'enregistrer le document « %1 » : %2."},
    {AFX_IDP_ASK_TO_SAVE, "Voulez-vous enregistrer les modifications apportées à « %1 » ?"},
    {IDS_SAVE_BUTTON, "&Enregistrer"},
    {IDS_DONT_SAVE_BUTTON, "&Ne pas enregistrer"},
    {IDS_CANCEL_BUTTON, "Annuler"},
    {IDS_ASK_TO_SAVE_DETAIL, "Si vous n'enregistrez pas, vos modifications seront perdues."},
    // What screen readers hear: commas and periods only, which they do not read aloud.
    {IDS_CELL_EMPTY, "vide"},
    {IDS_CELL_GIVEN, "%1, donné"},
    {IDS_CELL_PLACE, "ligne %1, colonne %2, carré %3"},
    {IDS_GRID_NAME, "Grille"},
    {IDS_ROW_NAME, "Ligne %1"},
    {IDS_COLUMN_NAME, "Colonne %1"},
    {IDS_BOX_NAME, "Carré %1"},
    {IDS_DIGITS_NONE, "aucun chiffre"},
    {IDS_DIGITS_ONE, "1 chiffre"},
    {IDS_DIGITS_MANY, "%1 chiffres"},
    {IDS_EMPTY_CELLS_NONE, "aucune case vide"},
    {IDS_EMPTY_CELLS_ONE, "1 case vide"},
    {IDS_EMPTY_CELLS_MANY, "%1 cases vides"},
    {IDS_GRID_STATE, "Grille, %1, %2"},
    {IDS_REFUSED_IN_ROW, "%1 refusé, déjà dans la ligne"},
    {IDS_REFUSED_IN_COLUMN, "%1 refusé, déjà dans la colonne, ligne %2"},
    {IDS_REFUSED_IN_BOX, "%1 refusé, déjà dans le carré"},
    {IDS_PASTE_TWICE_IN_ROW, "Grille refusée, deux %1 dans la ligne %2"},
    {IDS_PASTE_TWICE_IN_COLUMN, "Grille refusée, deux %1 dans la colonne %2"},
    {IDS_PASTE_TWICE_IN_BOX, "Grille refusée, deux %1 dans le carré %2"},
    {IDS_PASTE_NO_GRID, "Le presse-papiers ne contient pas de grille"},
    {IDS_GRID_EMPTIED, "Grille vide"},
    {IDS_GRID_OPENED, "Grille ouverte, %1"},
    {IDS_GRID_PASTED, "Grille collée, %1"},
    {IDS_GRID_CUT, "Grille coupée, %1"},
    {IDS_GRID_UNDONE, "Annulation, %1"},
    {IDS_GRID_REDONE, "Rétablissement, %1"},
    {IDS_GRID_PUZZLE_MADE, "Nouvelle grille, %1"},
};
// clang-format on
