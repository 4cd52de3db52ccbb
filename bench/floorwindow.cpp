// SPDX-License-Identifier: GPL-3.0-or-later

#include "floorwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

FloorWindow::FloorWindow()
{
    setWindowTitle(QStringLiteral("Plancher"));
    const QStringList menus[] = {
        {"&Nouveau", "&Ouvrir...", "&Enregistrer", "Enregistrer &sous...", "", "Fichier récent", "", "&quitter"},
        {"&Annuler", "", "&Couper", "C&opier", "Co&ller"},
        {"&barre d'outils", "&barre d'état"},
        {"&À propos..."},
    };
    const QStringList titles = {"&Fichier", "&Edition", "&Affichage", "&Aide"};
    for (int i = 0; i < titles.size(); ++i) {
        QMenu* menu = menuBar()->addMenu(titles[i]);
        for (const QString& item : menus[i]) {
            if (item.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(item)->setStatusTip(item);
        }
    }

    QToolBar* toolBar = addToolBar(QStringLiteral("Standard"));
    toolBar->setIconSize(QSize(16, 15));
    QPixmap image(16, 15);
    image.fill(Qt::darkBlue);
    for (const char* tip :
         {"Nouveau", "Ouvrir", "Enregistrer", "", "Couper", "Copier", "Coller", "", "Imprimer", "À propos de"}) {
        if (*tip)
            toolBar->addAction(QIcon(image), QString::fromUtf8(tip));
        else
            toolBar->addSeparator();
    }

    for (const char* indicator : {"MAJ", "NUM", "DEF"})
        statusBar()->addPermanentWidget(new QLabel(QString::fromLatin1(indicator)));
    statusBar()->showMessage(QStringLiteral("Prêt"));

    auto* form = new QWidget;
    QFont font = form->font();
    font.setPointSize(8);
    form->setFont(font);
    const int step = 26;
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            auto* cell = new QLineEdit(form);
            cell->setAlignment(Qt::AlignCenter);
            cell->setGeometry(27 + step * col + 4 * (col / 3), 18 + step * row + 4 * (row / 3), step + 1, step + 1);
            m_cells[row][col] = cell;
        }
    }
    form->setFixedSize(300, 282);
    auto* area = new QScrollArea;
    area->setWidget(form);
    setCentralWidget(area);
    adjustSize();
}
