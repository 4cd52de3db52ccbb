// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "carrelixresources.h"
#include "document.h"
#include "framewnd.h"
#include "gridbytes.h"
#include "ninegridview.h"
#include "qttranslations.h"
#include "recentfilelist.h"
#include "resource.h"
#include "resources.h"
#include "startupservices.h"
#include "stdoutcapture.h"
#include "winmain.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

// Starting the program: the command line, the settings it keeps, and how start-up fails.
class AppStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_files;

    QString MakeFile(const QString& name, const QByteArray& content = SampleGridFile()) const
    {
        QFile file(m_files.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    static QStringList RecentFiles() { return theApp.GetRecentFileList()->Files(); }

private slots:
    void startsWithNewUntitledDocument()
    {
        AppSession session;
        QVERIFY(session.Start());
        QMainWindow* window = session.Window();
        QVERIFY(window->isVisible());
        QCOMPARE(session.Caption(), QString("Sans titre - Le Carrelix"));
        QCOMPARE(session.View()->GetDocument()->GetTitle(), QString("Sans titre"));
        QVERIFY(session.View()->GetDocument()->GetPathName().isEmpty());
        QCOMPARE(window->menuBar()->actions().size(), 5);
        auto* toolBar = window->findChild<QToolBar*>("59392");
        QVERIFY(toolBar && toolBar->isVisible());
        QCOMPARE(window->toolBarArea(toolBar), Qt::TopToolBarArea);
        QVERIFY(window->statusBar()->isVisible());
        QCOMPARE(window->statusBar()->currentMessage(), QString("Prêt"));
        QCOMPARE(QApplication::focusWidget(), session.Cell(0, 0));
        QVERIFY(session.messages.empty());
        QVERIFY(session.View()->m_bCellIdsBuilt);
        QVERIFY(RecentFiles().isEmpty());
    }

    // "[*]" is where Qt puts a modified window's asterisk, unless it is written twice.
    void startsWithFileNamedOnCommandLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain name") << "grille.txt";
        QTest::newRow("Qt's placeholder in the name") << "grille[*].txt";
    }

    void startsWithFileNamedOnCommandLine()
    {
        QFETCH(QString, name);
        const QString path = MakeFile(name);
        AppSession session;
        QVERIFY(session.Start({path}));
        QCOMPARE(session.Caption(), name + " - Le Carrelix");
        QCOMPARE(session.View()->GetDocument()->GetPathName(), path);
        QCOMPARE(RecentFiles(), QStringList{path});
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(session.View()->m_grid[i][i], BYTE(i + 1));
            QCOMPARE(session.Cell(i, i)->text(), QString::number(i + 1));
            QCOMPARE(session.View()->m_grid[i][(i + 1) % 9], BYTE(0));
        }
        QCOMPARE(session.beeps, 0);
        session.Stop();

        QSettings settings(session.SettingsFolder() + "/Applications locales générées par AppWizard/Le Carrelix.conf",
                           QSettings::IniFormat);
        QCOMPARE(settings.value("Recent File List/File1").toString(), path);
    }

    // Its bytes are not UTF-8: no path can name it, so it opens untitled but for its name, and is
    // saved only under a name that the user gives.
    void fileNamedInBytesThatAreNotUtf8Opens()
    {
        const QByteArray bytes = QFile::encodeName(m_files.path()) + "/grille\xE9.txt";
        QFile file;
        QVERIFY(file.open(::open(bytes.constData(), O_WRONLY | O_CREAT, 0600), QIODevice::WriteOnly,
                          QFileDevice::AutoCloseHandle));
        QCOMPARE(file.write(SampleGridFile()), 202);
        file.close();
        AppSession session;
        QVERIFY(session.StartWithBytes({bytes}));
        QCOMPARE(session.View()->m_grid[8][8], BYTE(9));
        QCOMPARE(session.Caption(), QString("grille\uFFFD.txt - Le Carrelix"));
        QVERIFY(session.View()->GetDocument()->GetPathName().isEmpty());
        QVERIFY(RecentFiles().isEmpty());
        QVERIFY(session.messages.empty());
        session.Stop();
        // Decoded, as a dialog would give it, the name names no file, and the message says why.
        QVERIFY(!session.Start({QFile::decodeName(bytes)}));
        QVERIFY(session.messages.at(0).text.contains("un nom qui n'est pas écrit en UTF-8"));
    }

    void fileThatCannotBeOpenedEndsStartUp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // written to the file first, unless null
        QTest::newRow("missing") << "absent.txt" << QByteArray();
        QTest::newRow("folder") << "." << QByteArray();
        QTest::newRow("empty file") << "vide.txt" << QByteArray("");
        QTest::newRow("no grid") << "texte.txt" << QByteArray("Ceci n'est pas une grille.\n");
        QTest::newRow("cut short") << "court.txt" << SampleGridFile().left(13 + 7 * 21);
        QTest::newRow("fifo without writer") << "fifo" << QByteArray();
    }

    void fileThatCannotBeOpenedEndsStartUp()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        if (!content.isNull())
            MakeFile(name, content);
        if (name == "fifo" && !QFile::exists(m_files.filePath(name)))
            QCOMPARE(mkfifo(QFile::encodeName(m_files.filePath(name)).constData(), 0600), 0);
        AppSession session;
        QVERIFY(!session.Start({m_files.filePath(name)}));
        QCOMPARE(session.messages.size(), size_t(1));
        QVERIFY(session.messages[0].text.contains(QDir::toNativeSeparators(m_files.filePath(name))));
        QVERIFY(!theApp.m_pMainWnd);
    }

    // A working folder deeper than the system's path limit has no name: a relative name is refused
    // rather than taken for one at the root.
    void relativeNameInAFolderTooDeepIsRefused()
    {
        const QString start = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_files.path()));
        const QString component(200, u'd');
        int depth = 0;
        const auto climbBack = qScopeGuard([&] {
            for (; depth > 0; --depth) {
                QDir::setCurrent("..");
                QDir().rmdir(component);
            }
            QDir::setCurrent(start);
        });
        for (; depth < 25; ++depth)
            QVERIFY(QDir().mkdir(component) && QDir::setCurrent(component));
        QVERIFY(QDir::currentPath().isEmpty());
        QFile::remove("grille.txt");
        QFile grid("grille.txt");
        QVERIFY(grid.open(QIODevice::WriteOnly) && grid.write(SampleGridFile()) == 202);
        grid.close();

        AppSession session;
        QVERIFY(!session.Start({"grille.txt"}));
        QCOMPARE(session.messages.size(), size_t(1));
        QVERIFY2(session.messages[0].text.contains("« grille.txt » : le dossier courant est trop profond"),
                 qPrintable(session.messages[0].text));
        QVERIFY(RecentFiles().isEmpty());
        QVERIFY(QFile::remove("grille.txt"));
    }

    void qtSpeaksFrenchToo()
    {
        QVERIFY(LoadQtTranslations());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Annuler"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QString("Co&ller"));
    }

    void oleFailureShowsOneMessageAndEndsStartUp()
    {
        AppSession session;
        SetOleInitFails(true);
        QVERIFY(!session.Start());
        QCOMPARE(session.messages.size(), size_t(1));
        QCOMPARE(session.messages[0].text, QString("Échec de l'initialisation d'OLE. Assurez-vous que vous utilisez la "
                                                   "bonne version des bibliothèques OLE."));
        QCOMPARE(session.messages[0].type, MB_OK);
        QVERIFY(!theApp.m_pMainWnd);
        QVERIFY(!theApp.GetRecentFileList()); // no settings were loaded
    }

    void frameWithoutToolbarEndsStartUpWithTrace()
    {
        ResourceModule withoutToolbar = CarrelixResources();
        withoutToolbar.toolbars.clear();
        AppSession session;
        AfxSetResourceHandle(&withoutToolbar);
        const StdoutCapture err(STDERR_FILENO);
        QVERIFY(!session.Start());
        QCOMPARE(err.Bytes(), QByteArray("Impossible de cr\xE9"
                                         "er toolbar\n"));
        QVERIFY(!theApp.m_pMainWnd);
        QVERIFY(session.messages.empty());
    }

    void recentFilesKeepFourNewestAndPersist()
    {
        QStringList paths;
        for (int i = 1; i <= 5; ++i)
            paths << MakeFile(QStringLiteral("g%1.txt").arg(i));
        AppSession session;
        QVERIFY(session.Start());
        for (const QString& path : paths)
            QVERIFY(theApp.OpenDocumentFile(path));
        QVERIFY(theApp.OpenDocumentFile(paths[2])); // again: moves to the top
        QCOMPARE(RecentFiles(), QStringList({paths[2], paths[4], paths[3], paths[1]}));
        QCOMPARE(session.Caption(), QString("g3.txt - Le Carrelix"));
        session.Stop();

        QSettings settings(session.SettingsFolder() + "/Applications locales générées par AppWizard/Le Carrelix.conf",
                           QSettings::IniFormat);
        QCOMPARE(settings.value("Recent File List/File1").toString(), paths[2]);
        QCOMPARE(settings.value("Recent File List/File4").toString(), paths[1]);
        QVERIFY(!settings.contains("Recent File List/File5"));
    }

    // All four entries are read; one that leaves the list also leaves the settings.
    void recentFileListIsReadAtStartAndWrittenBack()
    {
        AppSession session;
        const QString file = session.SettingsFolder() + "/Applications locales générées par AppWizard/Le Carrelix.conf";
        const QStringList stored = {MakeFile("un.txt"), "/absent/deux.txt", MakeFile("trois.txt"),
                                    MakeFile("quatre.txt")};
        {
            QSettings settings(file, QSettings::IniFormat);
            for (int i = 0; i < stored.size(); ++i)
                settings.setValue(QStringLiteral("Recent File List/File%1").arg(i + 1), stored[i]);
        }
        QVERIFY(session.Start());
        QCOMPARE(RecentFiles(), stored);
        session.Frame()->ExecuteCommand(ID_FILE_MRU_FILE1 + 1);
        QCOMPARE(session.messages.size(), size_t(1));
        session.Stop();

        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup("Recent File List");
        QStringList written;
        for (const QString& key : settings.childKeys())
            written << key + "=" + settings.value(key).toString();
        QCOMPARE(written, QStringList({"File1=" + stored[0], "File2=" + stored[2], "File3=" + stored[3]}));
    }

    // What a damaged settings file may hold in place of paths is dropped when the list is read.
    void damagedRecentFileEntriesAreDropped()
    {
        AppSession session;
        {
            QSettings settings(session.SettingsFolder() +
                                   "/Applications locales générées par AppWizard/Le Carrelix.conf",
                               QSettings::IniFormat);
            settings.setValue("Recent File List/File1", QString("/tmp/un") + QChar(0) + "deux.txt");
            settings.setValue("Recent File List/File2", "/tmp/" + QString(4 << 20, 'x'));
            settings.setValue("Recent File List/File3", "relative.txt");
            settings.setValue("Recent File List/File4", "/tmp/quatre.txt");
        }
        QVERIFY(session.Start());
        QCOMPARE(RecentFiles(), QStringList{"/tmp/quatre.txt"});
    }

    void newDocumentAfterOpenIsUntitledAgainAndClearsGrid()
    {
        const QString path = MakeFile("grille.txt");
        AppSession session;
        QVERIFY(session.Start({path}));
        session.View()->m_grid[2][2] = 7;
        session.Cell(2, 2)->setText("7");
        session.Frame()->ExecuteCommand(ID_FILE_NEW);
        QCOMPARE(session.Caption(), QString("Sans titre - Le Carrelix"));
        QVERIFY(session.View()->GetDocument()->GetPathName().isEmpty());
        QCOMPARE(session.View()->m_grid[2][2], BYTE(0));
        QCOMPARE(session.Cell(2, 2)->text(), QString());
        QVERIFY(session.messages.empty());
    }
};

QTEST_MAIN(AppStartup)
#include "tst_appstartup.moc"
