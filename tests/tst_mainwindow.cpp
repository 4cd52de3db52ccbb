// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "cellids.h"
#include "document.h"
#include "framewnd.h"
#include "gridbytes.h"
#include "ninegridview.h"
#include "recentfilelist.h"
#include "resource.h"
#include "stdoutcapture.h"
#include "toolbarbitmap.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
struct ItemState
{
    QString text;
    bool enabled;
    bool checked;
};
} // namespace

Q_DECLARE_METATYPE(std::vector<ItemState>)

// The main window as the user meets it: menus, shortcut keys, toolbar, status bar, About box.
class MainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> m_session;

    AppSession& S() { return *m_session; }
    QMenu* Popup(int index) { return S().Window()->menuBar()->actions().at(index)->menu(); }
    QToolBar* ToolBar() { return S().Window()->findChild<QToolBar*>("59392"); }
    QToolButton* Button(UINT id)
    {
        return qobject_cast<QToolButton*>(
            ToolBar()->widgetForAction(ToolBar()->findChild<QAction*>(QString::number(id))));
    }
    // Opens a pop-up as the user does, so that its items take their current state.
    void Open(QMenu* menu)
    {
        menu->popup(S().Window()->geometry().center());
        QTRY_VERIFY(menu->isVisible());
    }
    // Each item as the menu draws it: its text, then after a tab its shortcut.
    std::vector<ItemState> States(QMenu* menu)
    {
        std::vector<ItemState> states;
        for (const QAction* action : menu->actions()) {
            QString text = action->isSeparator() ? "-" : action->text();
            if (!action->shortcut().isEmpty())
                text += u'\t' + action->shortcut().toString(QKeySequence::NativeText);
            if (action->isVisible())
                states.push_back({text, action->isEnabled(), action->isChecked()});
        }
        return states;
    }
    void Key(QKeySequence keys) { QTest::keySequence(QApplication::focusWidget(), keys); }
    void Type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

    // Whether the message pane draws the current message as some beginning of it ended by "…" that
    // fits there would be drawn.
    static bool DrawsShortened(QStatusBar* status)
    {
        const QString message = status->currentMessage();
        const QImage drawn = status->grab().toImage();
        bool found = false;
        for (qsizetype length = 0; length < message.size() && !found; ++length) {
            status->showMessage(message.left(length) + u'…');
            found = status->toolTip().isEmpty() && status->grab().toImage() == drawn;
        }
        status->showMessage(message);
        return found;
    }

private slots:
    void init()
    {
        QGuiApplication::clipboard()->clear();
        m_session = std::make_unique<AppSession>();
        QVERIFY(m_session->Start());
    }
    void cleanup() { m_session.reset(); }

    void menuBarHoldsFivePopupsInOrder()
    {
        QStringList titles;
        for (const QAction* action : S().Window()->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"&Fichier", "&Edition", "&Affichage", "&Grille", "&Aide"}));
    }

    void popupItemsTakeTheirStateWhenOpened_data()
    {
        QTest::addColumn<int>("popup");
        QTest::addColumn<std::vector<ItemState>>("items");
        QTest::newRow("Fichier") << 0
                                 << std::vector<ItemState>{{"&Nouveau\tCtrl+N", true, false},
                                                           {"&Ouvrir...\tCtrl+O", true, false},
                                                           {"&Enregistrer\tCtrl+S", true, false},
                                                           {"Enregistrer &sous...", true, false},
                                                           {"&Imprimer...\tCtrl+P", true, false},
                                                           {"-", true, false},
                                                           {"Fichier récent", false, false},
                                                           {"-", true, false},
                                                           {"&quitter", true, false}};
        QTest::newRow("Edition") << 1 << std::vector<ItemState>{{"&Annuler\tCtrl+Z", false, false},
                                                                {"&Rétablir\tCtrl+Y", false, false},
                                                                {"-", true, false},
                                                                {"&Couper\tCtrl+X", true, false},
                                                                {"C&opier\tCtrl+C", true, false},
                                                                {"Co&ller\tCtrl+V", false, false}};
        QTest::newRow("Affichage") << 2
                                   << std::vector<ItemState>{{"&barre d'outils", true, true},
                                                             {"&barre d'état", true, true}};
        QTest::newRow("Grille") << 3 << std::vector<ItemState>{{"&Nouvelle grille", true, false},
                                                               {"-", true, false},
                                                               {"&Indice\tCtrl+H", true, false},
                                                               {"&Résoudre", true, false},
                                                               {"-", true, false},
                                                               {"&Figer les chiffres", true, false}};
        QTest::newRow("Aide") << 4 << std::vector<ItemState>{{"&À propos de Carrelix...", true, false}};
    }

    void popupItemsTakeTheirStateWhenOpened()
    {
        QFETCH(int, popup);
        QFETCH(std::vector<ItemState>, items);
        Open(Popup(popup));
        const std::vector<ItemState> states = States(Popup(popup));
        QCOMPARE(states.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(states[i].text, items[i].text);
            QCOMPARE(states[i].enabled, items[i].enabled);
            QCOMPARE(states[i].checked, items[i].checked);
        }
    }

    void recentFilesTakeThePlaceOfTheirItem()
    {
        QTemporaryDir folder;
        QStringList paths;
        for (const QString name : {"a.txt", "b & c.txt"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(SampleGridFile()) == 202);
            file.close();
            paths << file.fileName();
            QVERIFY(theApp.OpenDocumentFile(file.fileName()));
        }
        Open(Popup(0));
        const std::vector<ItemState> states = States(Popup(0));
        QCOMPARE(states.size(), size_t(10));
        QCOMPARE(states[6].text, "&1 " + QDir::toNativeSeparators(paths[1]).replace("&", "&&"));
        QCOMPARE(states[7].text, "&2 " + QDir::toNativeSeparators(paths[0]));
        QVERIFY(states[6].enabled && states[7].enabled);
        QCOMPARE(states[8].text, QString("-"));

        // A recent file that has gone away is reported and leaves the list.
        QVERIFY(QFile::remove(paths[0]));
        Popup(0)->hide();
        S().Frame()->ExecuteCommand(ID_FILE_MRU_FILE1 + 1);
        QCOMPARE(S().messages.size(), size_t(1));
        QCOMPARE(theApp.GetRecentFileList()->Files(), QStringList{paths[1]});
        QCOMPARE(S().Caption(), QString("b & c.txt - Le Carrelix"));
        S().Frame()->ExecuteCommand(ID_FILE_MRU_FILE1);
        QCOMPARE(S().messages.size(), size_t(1));
    }

    // A deep path takes a sensible width: its folder elided in the middle, its name whole, and the
    // whole path in the status bar.
    void deepRecentFileIsShortenedInTheMenu()
    {
        QString path = "/début";
        while (path.size() < 3000)
            path += "/un dossier profond";
        path += "/fin/grille d'été.txt";
        theApp.AddToRecentFileList(path);
        QMenuBar* bar = S().Window()->menuBar();
        bar->setActiveAction(bar->actions().at(0));
        QTRY_VERIFY(Popup(0)->isVisible());
        QAction* entry = Popup(0)->actions().at(6);
        QVERIFY(entry->text().startsWith("&1 /début/un dossier"));
        QVERIFY(entry->text().contains("…"));
        QVERIFY(entry->text().endsWith("/fin/grille d'été.txt"));
        const QFontMetrics metrics = Popup(0)->fontMetrics();
        QVERIFY(metrics.horizontalAdvance(entry->text()) <= metrics.averageCharWidth() * 64);
        QVERIFY(Popup(0)->width() < metrics.averageCharWidth() * 100);
        Popup(0)->setActiveAction(entry);
        QCOMPARE(S().Window()->statusBar()->currentMessage(), "Ouvrir ce document : " + path);
        Popup(0)->hide();
    }

    void viewMenuShowsAndHidesBars_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("bar");
        QTest::newRow("toolbar") << 0 << "59392";
        QTest::newRow("status bar") << 1 << "59393";
    }

    void viewMenuShowsAndHidesBars()
    {
        QFETCH(int, item);
        QFETCH(QString, bar);
        QWidget* widget = S().Window()->findChild<QWidget*>(bar, Qt::FindDirectChildrenOnly);
        QVERIFY(widget && widget->isVisible());
        for (const bool shown : {false, true}) {
            Popup(2)->actions().at(item)->trigger();
            QCOMPARE(widget->isVisible(), shown);
            Open(Popup(2));
            QCOMPARE(Popup(2)->actions().at(item)->isChecked(), shown);
            Popup(2)->hide();
        }
    }

    void toolbarButtonsFollowTheirCommands_data()
    {
        QTest::addColumn<UINT>("id");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("new") << ID_FILE_NEW << true << "Nouveau"
                             << "Crée un nouveau document";
        QTest::newRow("open") << ID_FILE_OPEN << true << "Ouvrir"
                              << "Ouvre un document existant";
        QTest::newRow("save") << ID_FILE_SAVE << true << "Enregistrer"
                              << "Enregistre le document actif";
        QTest::newRow("cut") << ID_EDIT_CUT << true << "Couper"
                             << "Coupe la sélection et la place dans le Presse-papiers";
        QTest::newRow("copy") << ID_EDIT_COPY << true << "Copier"
                              << "Copie la sélection et la place dans le Presse-papiers";
        QTest::newRow("paste") << ID_EDIT_PASTE << false << "Coller"
                               << "Insère le contenu du presse-papiers";
        QTest::newRow("print") << ID_FILE_PRINT << true << "Imprimer"
                               << "Imprime la grille";
        QTest::newRow("about") << ID_APP_ABOUT << true << "À propos de"
                               << "Affiche des informations concernant le programme, le numéro de version et le "
                                  "copyright";
    }

    void toolbarButtonsFollowTheirCommands()
    {
        QFETCH(UINT, id);
        QFETCH(bool, enabled);
        QFETCH(QString, tooltip);
        QFETCH(QString, prompt);
        QToolButton* button = Button(id);
        QVERIFY(button);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->toolTip(), tooltip);
        QCOMPARE(button->statusTip(), prompt);
        QVERIFY(!button->icon().isNull());

        QStatusBar* status = S().Window()->statusBar();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(status->currentMessage(), prompt.isEmpty() ? QString("Prêt") : prompt);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(status->currentMessage(), QString("Prêt"));
    }

    void toolbarLaysOutTenPositions()
    {
        QStringList layout;
        for (const QAction* action : ToolBar()->actions())
            layout << (action->isSeparator() ? "|" : action->objectName());
        QCOMPARE(layout,
                 QStringList({"57600", "57601", "57603", "|", "57635", "57634", "57637", "|", "57607", "57664"}));
        QCOMPARE(ToolBar()->iconSize(), QSize(16, 15));
        QVERIFY(ToolBar()->isMovable());
        QCOMPARE(ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
        // The strip's light grey is the background: transparent in every image, and gone.
        for (const QAction* action : ToolBar()->actions()) {
            if (action->isSeparator())
                continue;
            const QImage image = action->icon().pixmap(16, 15).toImage();
            int transparent = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    transparent += qAlpha(image.pixel(x, y)) == 0;
                    QVERIFY(image.pixel(x, y) != qRgb(192, 192, 192));
                }
            }
            QVERIFY(transparent > 0);
        }
    }

    // At twice the density each button shows its image of the 2x strip, not its small image enlarged.
    void toolbarImagesHaveTwiceTheDensity()
    {
        const QImage strip(toolbarBitmap2x);
        int index = 0;
        for (const QAction* action : ToolBar()->actions()) {
            if (action->isSeparator())
                continue;
            const QImage image = action->icon().pixmap(QSize(16, 15), 2.0).toImage();
            QCOMPARE(image.size(), QSize(32, 30));
            const QImage expected = strip.copy(32 * index++, 0, 32, 30);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const QRgb want = expected.pixel(x, y);
                    if (want == qRgb(192, 192, 192))
                        QCOMPARE(qAlpha(image.pixel(x, y)), 0);
                    else
                        QCOMPARE(image.pixel(x, y), want);
                }
            }
        }
        QCOMPARE(index, 8);
    }

    void menuItemPromptShowsWhileHighlighted()
    {
        QMenuBar* bar = S().Window()->menuBar();
        bar->setActiveAction(bar->actions().at(0));
        QTRY_VERIFY(Popup(0)->isVisible());
        Popup(0)->setActiveAction(Popup(0)->actions().at(3));
        QCOMPARE(S().Window()->statusBar()->currentMessage(),
                 QString("Enregistre le document actif sous un nouveau nom"));
        Popup(0)->hide();
        QTRY_COMPARE(S().Window()->statusBar()->currentMessage(), QString("Prêt"));
    }

    void paneKeysChangeNothingInACell_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        for (const char* keys : {"F6", "Shift+F6"})
            QTest::newRow(keys) << QKeySequence(keys);
    }

    void paneKeysChangeNothingInACell()
    {
        QFETCH(QKeySequence, keys);
        QTest::keyClicks(S().Cell(4, 4), "5");
        S().Cell(4, 4)->setFocus();
        S().Cell(4, 4)->selectAll();
        QGuiApplication::clipboard()->setText("7");
        Key(keys);
        QCOMPARE(S().Cell(4, 4)->text(), QString("5"));
        QCOMPARE(S().Cell(4, 4)->selectedText(), QString("5"));
        QCOMPARE(S().View()->m_grid[4][4], BYTE(5));
        QCOMPARE(QApplication::focusWidget(), S().Cell(4, 4));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("7"));
        QCOMPARE(S().beeps, 0);
    }

    void newDocumentKeyClearsGridFromInsideACell()
    {
        Type("12");
        QCOMPARE(S().View()->m_grid[0][1], BYTE(2));
        S().Window()->resize(S().Window()->size() + QSize(120, 80));
        Key(QKeySequence("Ctrl+N"));
        QCOMPARE(S().View()->m_grid[0][0], BYTE(0));
        QCOMPARE(S().View()->m_grid[0][1], BYTE(0));
        QCOMPARE(S().Cell(0, 1)->text(), QString());
        QCOMPARE(S().messages.size(), size_t(1)); // whether to save the typed grid
        const QWidget* form = static_cast<QWidget*>(S().Cell(0, 0)->parent());
        QTRY_COMPARE(S().View()->GetSafeHwnd()->size(), form->size());
    }

    void quitClosesTheWindowWithoutQuestion()
    {
        Popup(0)->actions().last()->trigger();
        QVERIFY(!S().Window()->isVisible());
        QVERIFY(S().messages.empty());
    }

    void aboutBoxEndsThreeWays_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }

    void aboutBoxEndsThreeWays()
    {
        QFETCH(int, way);
        QTest::keyClicks(S().Cell(3, 3), "4");
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            // A failed check must not leave the modal box waiting for ever.
            const auto closeAnyway = qScopeGuard([box] {
                if (box->isVisible())
                    box->done(QDialog::Rejected);
            });
            QCOMPARE(box->windowTitle(), QString("À propos de Carrelix"));
            QStringList texts;
            for (const QLabel* label : box->findChildren<QLabel*>())
                texts << (label->pixmap().isNull() ? label->text() : "icon");
            QCOMPARE(texts.size(), 3);
            QCOMPARE(texts[0], QString("icon"));
            QCOMPARE(texts[1], QString("Carrelix Version 1.0.1\nUn utilitaire pour SuDoku"));
            auto* ok = box->findChild<QPushButton*>("1");
            QVERIFY(ok && ok->isDefault());
            QCOMPARE(ok->text(), QString("OK"));
            checked = true;
            if (way == 0)
                QTest::mouseClick(ok, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        S().Frame()->ExecuteCommand(ID_APP_ABOUT);
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(S().View()->m_grid[3][3], BYTE(4));
        QCOMPARE(S().Cell(3, 3)->text(), QString("4"));
        QCOMPARE(S().Caption(), QString("Sans titre* - Le Carrelix"));
    }

    // The ICO's three sizes, and drawn images for twice those sizes on high-density screens.
    void windowIconHoldsTransparentSizesUpToTwiceTheLargest()
    {
        const QIcon icon = S().Window()->windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {64, 128})
            QVERIFY(sizes.contains(QSize(size, size)));
        for (const int size : {16, 32, 48, 64, 128}) {
            const QImage image = icon.pixmap(size, size).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
        }
    }

    // 8 stands at (2, 2); typed again at (row, col) it is refused. The reason shows in the message
    // pane until the next key, whatever that key, even one that the frame takes for a command, or
    // until the next text that an input method commits.
    void refusalReasonShowsUntilNextKey_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QKeySequence>("nextKey"); // none for committed text
        QTest::addColumn<QString>("reason");
        QTest::newRow("row, then a digit") << 2 << 6 << QKeySequence("3") << "8 refusé, déjà dans la ligne";
        QTest::newRow("column, then an arrow")
            << 7 << 2 << QKeySequence("Up") << "8 refusé, déjà dans la colonne, ligne 3";
        QTest::newRow("box, then Tab") << 0 << 0 << QKeySequence("Tab") << "8 refusé, déjà dans le carré";
        QTest::newRow("row, then F6") << 2 << 6 << QKeySequence("F6") << "8 refusé, déjà dans la ligne";
        QTest::newRow("row, then Shift+F6") << 2 << 6 << QKeySequence("Shift+F6") << "8 refusé, déjà dans la ligne";
        QTest::newRow("row, then a committed digit") << 2 << 6 << QKeySequence() << "8 refusé, déjà dans la ligne";
    }

    void refusalReasonShowsUntilNextKey()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QKeySequence, nextKey);
        QFETCH(QString, reason);
        QStatusBar* status = S().Window()->statusBar();
        QTest::keyClick(S().Cell(2, 2), Qt::Key_8);
        const StdoutCapture out;
        QTest::keyClick(S().Cell(row, col), Qt::Key_8);
        QCOMPARE(status->currentMessage(), reason);
        QVERIFY(out.Bytes().startsWith("valeur trouv\xE9"
                                       "e dans "));
        if (nextKey.isEmpty()) {
            QInputMethodEvent commit;
            commit.setCommitString("3");
            QApplication::sendEvent(S().Cell(row, col), &commit);
        } else {
            // The key's press alone, its modifiers held since before the refused digit, as a French
            // keyboard types digits with Shift.
            const QKeyCombination key = nextKey[0];
            const QString text = key.key() < Qt::Key_Escape ? QString(QChar(key.key())) : QString();
            QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
            QApplication::sendEvent(S().Cell(row, col), &press);
        }
        QCOMPARE(status->currentMessage(), QString("Prêt"));
    }

    // A prompt longer than the message pane is cut short there, and shows whole as the bar's tooltip.
    void longPromptShowsWholeAsToolTip_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("cut");
        QTest::newRow("idle text") << "Prêt" << false;
        QTest::newRow("About's prompt")
            << "Affiche des informations concernant le programme, le numéro de version et le copyright" << true;
    }

    void longPromptShowsWholeAsToolTip()
    {
        QFETCH(QString, prompt);
        QFETCH(bool, cut);
        QStatusBar* status = S().Window()->statusBar();
        status->showMessage(prompt);
        QCOMPARE(status->currentMessage(), prompt);
        QCOMPARE(status->toolTip(), cut ? prompt : QString());
        QCOMPARE(DrawsShortened(status), cut);
    }

    void promptThatFitsAgainLosesItsToolTip()
    {
        QStatusBar* status = S().Window()->statusBar();
        const QString prompt("Affiche des informations concernant le programme, le numéro de version et le copyright");
        status->showMessage(prompt);
        QCOMPARE(status->toolTip(), prompt);
        S().Window()->resize(S().Window()->width() * 3, S().Window()->height());
        QTRY_COMPARE(status->toolTip(), QString());
    }

    void capsLockIndicatorFollowsTheKey()
    {
        auto* caps = S().Window()->statusBar()->findChild<QLabel*>("59137");
        QVERIFY(caps);
        QCOMPARE(caps->text(), QString());
        QTest::keyClick(S().Cell(0, 0), Qt::Key_CapsLock);
        QCOMPARE(caps->text(), QString("CAP"));
        QTest::keyClick(S().Cell(0, 0), Qt::Key_CapsLock);
        QCOMPARE(caps->text(), QString());
    }
};

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
