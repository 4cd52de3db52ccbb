#include "appsession.h"
#include "filedialog.h"
#include "framewnd.h"
#include "gridbytes.h"
#include "messagebox.h"
#include "ninegridview.h"
#include "stdcommands.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The program's own output: Qt's warnings about the offscreen platform come in QtTest's lines.
QByteArray WithoutTestWarnings(const QByteArray& output)
{
    QByteArray kept;
    for (const QByteArray& line : output.split('\n')) {
        if (!line.startsWith("QWARN"))
            kept += line + '\n';
    }
    kept.chop(1);
    return kept;
}

// doc.txt holds a 7 in the last cell; other.txt, the recent file and the one File > Open picks,
// holds the sample grid with a 9 there.
const QByteArray kDocGrid = GridFileBytesOf(QByteArray(80, ' ') + "7");
} // namespace

// Typing into the grid, then an action that would throw the grid away: the question comes only for
// a changed grid, and its answer decides the grid, the caption, the files and standard output.
class SaveQuestion : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppSession> m_session;

    AppSession& S() { return *m_session; }
    QString Path(const QString& name) const { return m_dir->filePath(name); }

private slots:
    void cleanup()
    {
        m_session.reset();
        AfxSetFileDialogHook({});
        m_dir.reset();
    }

    void changedGridIsNeverDiscardedUnasked_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("titled");    // the document is doc.txt, named on the command line
        QTest::addColumn<QString>("keys");   // typed into the empty cell (0, 8)
        QTest::addColumn<QString>("answer"); // empty when no question may come
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<QString>("caption"); // afterwards, while the window is open
        QTest::addColumn<QString>("saved");   // the file that holds the typed grid afterwards

        const QString doc = "doc.txt - Le Carrelix";
        const QString docChanged = "doc.txt* - Le Carrelix";
        const QString untitled = "Sans titre - Le Carrelix";
        const QString other = "other.txt - Le Carrelix";
        // Nothing changed, nothing asked: every action goes on as it always did.
        QTest::newRow("new, untouched") << "new" << false << ""
                                        << "" << true << untitled << "";
        QTest::newRow("new, letter erased") << "new" << true << "x"
                                            << "" << true << untitled << "";
        QTest::newRow("new, refused digit") << "new" << true << "7"
                                            << "" << true << untitled << "";
        QTest::newRow("recent, untouched") << "recent" << true << ""
                                           << "" << true << other << "";
        QTest::newRow("open, untouched") << "open" << true << ""
                                         << "" << true << doc << "";
        QTest::newRow("quit, untouched") << "quit" << false << ""
                                         << "" << true << ""
                                         << "";
        QTest::newRow("close, untouched") << "close" << true << ""
                                          << "" << true << ""
                                          << "";
        QTest::newRow("session end, untouched") << "session" << true << ""
                                                << "" << true << doc << "";
        // Saving makes the grid unchanged.
        QTest::newRow("save") << "save" << true << "6"
                              << "" << true << doc << "saved.txt";
        QTest::newRow("save as") << "save as" << false << "6"
                                 << "" << true << "saved.txt - Le Carrelix"
                                 << "saved.txt";
        // A changed grid: each answer.
        QTest::newRow("new, don't save") << "new" << true << "6"
                                         << "discard" << true << untitled << "";
        QTest::newRow("new, save to the document") << "new" << true << "6"
                                                   << "save" << true << untitled << "doc.txt";
        QTest::newRow("new, save untitled") << "new" << false << "6"
                                            << "save" << true << untitled << "saved.txt";
        QTest::newRow("new, save dialog cancelled") << "new" << false << "6"
                                                    << "save, dialog cancelled" << false << "Sans titre* - Le Carrelix"
                                                    << "";
        QTest::newRow("new, save fails") << "new" << false << "6"
                                         << "save, fails" << false << "Sans titre* - Le Carrelix"
                                         << "";
        QTest::newRow("new, cancel") << "new" << true << "6"
                                     << "cancel" << false << docChanged << "";
        QTest::newRow("recent, cancel") << "recent" << true << "6"
                                        << "cancel" << false << docChanged << "";
        QTest::newRow("recent, don't save") << "recent" << true << "6"
                                            << "discard" << true << other << "";
        QTest::newRow("recent, save untitled") << "recent" << false << "6"
                                               << "save" << true << other << "saved.txt";
        QTest::newRow("open, cancel") << "open" << true << "6"
                                      << "cancel" << false << docChanged << "";
        QTest::newRow("open, don't save") << "open" << true << "6"
                                          << "discard" << true << doc << "";
        QTest::newRow("open, save") << "open" << true << "6"
                                    << "save" << true << doc << "doc.txt";
        QTest::newRow("quit, cancel") << "quit" << false << "6"
                                      << "cancel" << false << "Sans titre* - Le Carrelix"
                                      << "";
        QTest::newRow("quit, save") << "quit" << true << "6"
                                    << "save" << true << ""
                                    << "doc.txt";
        QTest::newRow("close, don't save") << "close" << true << "6"
                                           << "discard" << true << ""
                                           << "";
        QTest::newRow("close, cancel") << "close" << true << "6"
                                       << "cancel" << false << docChanged << "";
        QTest::newRow("session end, cancel") << "session" << true << "6"
                                             << "cancel" << false << docChanged << "";
        QTest::newRow("session end, don't save") << "session" << true << "6"
                                                 << "discard" << true << doc << "";
    }

    void changedGridIsNeverDiscardedUnasked()
    {
        QFETCH(QString, action);
        QFETCH(bool, titled);
        QFETCH(QString, keys);
        QFETCH(QString, answer);
        QFETCH(bool, proceeds);
        QFETCH(QString, caption);
        QFETCH(QString, saved);

        m_dir = std::make_unique<QTemporaryDir>();
        WriteAll(Path("doc.txt"), kDocGrid);
        WriteAll(Path("other.txt"), SampleGridFile());
        QVERIFY(QDir().mkdir(Path("dossier")));
        m_session = std::make_unique<AppSession>();
        QSettings(S().SettingsFolder() + "/Applications locales générées par AppWizard/Le Carrelix.conf",
                  QSettings::IniFormat)
            .setValue("Recent File List/File1", Path("other.txt"));
        QVERIFY(S().Start(titled ? QStringList{Path("doc.txt")} : QStringList()));

        S().Cell(0, 8)->setFocus();
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        const BYTE typed = keys == "6" ? 6 : 0;

        AfxSetFileDialogHook([&](QFileDialog& dialog) {
            if (dialog.acceptMode() == QFileDialog::AcceptOpen)
                return Path("other.txt");
            if (answer == "save, dialog cancelled")
                return QString();
            return Path(answer == "save, fails" ? "dossier" : "saved.txt");
        });
        QStringList questions;
        QStringList buttons;
        QStringList reports;
        AfxSetMessageBoxDriver([&](QMessageBox& box) {
            if (!box.button(QMessageBox::Save)) {
                reports << box.text();
                box.button(QMessageBox::Ok)->click();
                return;
            }
            questions << box.text();
            for (QAbstractButton* button : box.buttons())
                buttons << button->text() + (button == box.defaultButton() ? " (default)" : "");
            QTimer::singleShot(0, &box, [&box, answer] {
                const auto closeAnyway = qScopeGuard([&box] {
                    if (box.isVisible())
                        box.done(0);
                });
                if (answer == "discard")
                    QTest::mouseClick(box.button(QMessageBox::Discard), Qt::LeftButton);
                else
                    QTest::keyClick(&box, answer == "cancel" ? Qt::Key_Escape : Qt::Key_Return);
            });
            box.exec();
        });

        const StdoutCapture out;
        BOOL agreed = TRUE;
        if (action == "new")
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+N"));
        else if (action == "recent")
            S().Frame()->ExecuteCommand(ID_FILE_MRU_FILE1 + titled); // doc.txt came first
        else if (action == "open")
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+O"));
        else if (action == "save")
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+S"));
        else if (action == "save as")
            S().Frame()->ExecuteCommand(ID_FILE_SAVE_AS);
        else if (action == "quit")
            S().Frame()->ExecuteCommand(ID_APP_EXIT);
        else if (action == "close")
            S().Window()->close();
        else
            agreed = S().Frame()->OnQueryEndSession();
        const QByteArray printed = action == "open"   ? "Number of items read = 180\n"
                                   : action == "save" ? "Wrote 180 items\n"
                                                      : "";
        QCOMPARE(WithoutTestWarnings(out.Bytes()), printed);

        if (answer.isEmpty()) {
            QCOMPARE(questions, QStringList());
        } else {
            QCOMPARE(questions, QStringList{QString("Voulez-vous enregistrer les modifications apportées à « %1 » ?")
                                                .arg(titled ? "doc.txt" : "Sans titre")});
            QCOMPARE(buttons.size(), 3);
            for (const QString expected : {"Enregistrer (default)", "Ne pas enregistrer", "Annuler"})
                QVERIFY2(buttons.contains(expected), qPrintable(buttons.join(", ")));
        }
        QCOMPARE(reports.size(), answer == "save, fails" ? 1 : 0);

        const bool closes = action == "quit" || action == "close";
        QCOMPARE(S().Window()->isVisible(), !(closes && proceeds));
        QCOMPARE(bool(agreed), action != "session" || proceeds);
        if (!closes)
            QCOMPARE(S().Caption(), caption);

        const bool replaced = proceeds && (action == "new" || action == "recent" || action == "open");
        const BYTE last = replaced ? (action == "new" ? 0 : 9) : (titled ? 7 : 0);
        QCOMPARE(S().View()->m_grid[0][8], replaced ? BYTE(0) : typed);
        QCOMPARE(S().Cell(0, 8)->text(), replaced || !typed ? QString() : QString::number(typed));
        QCOMPARE(S().View()->m_grid[8][8], last);
        QCOMPARE(S().Cell(8, 8)->text(), last ? QString::number(last) : QString());

        const QByteArray typedGrid = GridFileBytesOf("        6" + QByteArray(71, ' ') + (titled ? "7" : " "));
        QCOMPARE(ReadAll(Path("doc.txt")), saved == "doc.txt" ? typedGrid : kDocGrid);
        QCOMPARE(ReadAll(Path("saved.txt")), saved == "saved.txt" ? typedGrid : QByteArray());
        QCOMPARE(ReadAll(Path("other.txt")), SampleGridFile());
    }
};

QTEST_MAIN(SaveQuestion)
#include "tst_savequestion.moc"
