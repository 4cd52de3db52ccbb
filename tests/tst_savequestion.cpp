// SPDX-License-Identifier: GPL-3.0-or-later

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

#include <map>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

// doc.txt has a 7 in the last cell; other.txt, the recent file and the one File > Open picks, a 9.
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

    // The action; whether the document is doc.txt; the keys typed into the empty cell (0, 8); the
    // answer, empty when no question may come; whether the action goes on; the document's title in
    // the caption afterwards, while the window is open; the file that holds the typed grid then.
    static void Row(const char* name, const char* action, bool titled, const char* keys, const char* answer,
                    bool proceeds, const char* title, const char* saved)
    {
        QTest::newRow(name) << QString(action) << QString(keys) << QString(answer) << QString(title) << QString(saved)
                            << titled << proceeds;
    }

private slots:
    void cleanup()
    {
        m_session.reset();
        SetFileDialogHook({});
        m_dir.reset();
    }

    void changedGridIsNeverDiscardedUnasked_data()
    {
        for (const char* column : {"action", "keys", "answer", "title", "saved"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("proceeds");
        // Nothing changed, nothing asked: every action goes on as it always did.
        Row("new, untouched", "new", false, "", "", true, "Sans titre", "");
        Row("new, letter erased", "new", true, "x", "", true, "Sans titre", "");
        Row("new, refused digit", "new", true, "7", "", true, "Sans titre", "");
        Row("recent, untouched", "recent", true, "", "", true, "other.txt", "");
        Row("open, untouched", "open", true, "", "", true, "doc.txt", "");
        Row("quit, untouched", "quit", false, "", "", true, "", "");
        Row("close, untouched", "close", true, "", "", true, "", "");
        Row("session end, untouched", "session", true, "", "", true, "doc.txt", "");
        // Saving makes the grid unchanged.
        Row("save", "save", true, "6", "", true, "doc.txt", "saved.txt");
        Row("save as", "save as", false, "6", "", true, "saved.txt", "saved.txt");
        // A changed grid: each answer.
        Row("new, don't save", "new", true, "6", "discard", true, "Sans titre", "");
        Row("new, save to the document", "new", true, "6", "save", true, "Sans titre", "doc.txt");
        Row("new, save untitled", "new", false, "6", "save", true, "Sans titre", "saved.txt");
        Row("new, save dialog cancelled", "new", false, "6", "save, dialog cancelled", false, "Sans titre*", "");
        Row("new, save fails", "new", false, "6", "save, fails", false, "Sans titre*", "");
        Row("new, cancel", "new", true, "6", "cancel", false, "doc.txt*", "");
        Row("recent, cancel", "recent", true, "6", "cancel", false, "doc.txt*", "");
        Row("recent, don't save", "recent", true, "6", "discard", true, "other.txt", "");
        Row("recent, save untitled", "recent", false, "6", "save", true, "other.txt", "saved.txt");
        Row("open, cancel", "open", true, "6", "cancel", false, "doc.txt*", "");
        Row("open, don't save", "open", true, "6", "discard", true, "doc.txt", "");
        Row("open, save", "open", true, "6", "save", true, "doc.txt", "doc.txt");
        Row("open itself, save", "open itself", true, "6", "save", true, "doc.txt", "doc.txt");
        Row("quit, cancel", "quit", false, "6", "cancel", false, "Sans titre*", "");
        Row("quit, save", "quit", true, "6", "save", true, "", "doc.txt");
        Row("close, don't save", "close", true, "6", "discard", true, "", "");
        Row("close, cancel", "close", true, "6", "cancel", false, "doc.txt*", "");
        Row("session end, cancel", "session", true, "6", "cancel", false, "doc.txt*", "");
        Row("session end, don't save", "session", true, "6", "discard", true, "doc.txt", "");
    }

    void changedGridIsNeverDiscardedUnasked()
    {
        QFETCH(QString, action);
        QFETCH(bool, titled);
        QFETCH(QString, keys);
        QFETCH(QString, answer);
        QFETCH(bool, proceeds);
        QFETCH(QString, title);
        QFETCH(QString, saved);
        m_dir = std::make_unique<QTemporaryDir>();
        for (const auto& [name, bytes] : {std::pair{"doc.txt", kDocGrid}, std::pair{"other.txt", SampleGridFile()}}) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        QVERIFY(QDir().mkdir(Path("dossier")));
        m_session = std::make_unique<AppSession>();
        QSettings(S().SettingsFolder() + "/Applications locales générées par AppWizard/Le Carrelix.conf",
                  QSettings::IniFormat)
            .setValue("Recent File List/File1", Path("other.txt"));
        QVERIFY(S().Start(titled ? QStringList{Path("doc.txt")} : QStringList()));
        S().Cell(0, 8)->setFocus();
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());

        SetFileDialogHook([&](QFileDialog& dialog) {
            if (dialog.acceptMode() == QFileDialog::AcceptOpen)
                return Path(action == "open itself" ? "doc.txt" : "other.txt");
            return answer == "save, dialog cancelled" ? QString()
                                                      : Path(answer == "save, fails" ? "dossier" : "saved.txt");
        });
        QStringList questions;
        QStringList buttons;
        int reports = 0;
        SetMessageBoxDriver([&](QMessageBox& box) {
            if (!box.button(QMessageBox::Save)) { // the report of a failed save
                ++reports;
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
        const std::map<QString, UINT> commands{{"recent", ID_FILE_MRU_FILE1 + titled}, // doc.txt comes first
                                               {"open", ID_FILE_OPEN},
                                               {"open itself", ID_FILE_OPEN},
                                               {"save", ID_FILE_SAVE},
                                               {"save as", ID_FILE_SAVE_AS},
                                               {"quit", ID_APP_EXIT}};
        BOOL agreed = TRUE;
        if (action == "new")
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+N"));
        else if (action == "close")
            S().Window()->close();
        else if (action == "session")
            agreed = S().Frame()->OnQueryEndSession();
        else
            S().Frame()->ExecuteCommand(commands.at(action));
        const std::map<QString, QByteArray> printed{{"open", "Number of items read = 180\n"},
                                                    {"open itself", "Number of items read = 180\n"},
                                                    {"save", "Wrote 180 items\n"}};
        QCOMPARE(WithoutTestWarnings(out.Bytes()), printed.count(action) ? printed.at(action) : QByteArray());

        QCOMPARE(questions, answer.isEmpty() ? QStringList()
                                             : QStringList{QString("Voulez-vous enregistrer les modifications "
                                                                   "apportées à « %1 » ?")
                                                               .arg(titled ? "doc.txt" : "Sans titre")});
        if (!answer.isEmpty()) {
            buttons.sort();
            QCOMPARE(buttons, QStringList({"Annuler", "Enregistrer (default)", "Ne pas enregistrer"}));
        }
        QCOMPARE(reports, answer == "save, fails" ? 1 : 0);
        QCOMPARE(bool(agreed), action != "session" || proceeds);
        QCOMPARE(S().Window()->isVisible(), !title.isEmpty());
        if (!title.isEmpty())
            QCOMPARE(S().Caption(), title + " - Le Carrelix");

        const bool replaced = proceeds && (action == "new" || action == "recent" || action == "open");
        const BYTE typed = keys == "6" && !replaced ? 6 : 0;
        const BYTE last = replaced ? (action == "new" ? 0 : 9) : (titled ? 7 : 0);
        QCOMPARE(S().View()->m_grid[0][8], typed);
        QCOMPARE(S().Cell(0, 8)->text(), typed ? "6" : QString());
        QCOMPARE(S().View()->m_grid[8][8], last);
        QCOMPARE(S().Cell(8, 8)->text(), last ? QString::number(last) : QString());
        const QByteArray typedGrid = GridFileBytesOf("        6" + QByteArray(71, ' ') + (titled ? "7" : " "));
        QCOMPARE(ReadAll(Path("doc.txt")), saved == "doc.txt" ? typedGrid : kDocGrid);
        QCOMPARE(ReadAll(Path("saved.txt")), saved == "saved.txt" ? typedGrid : QByteArray());
    }
};

QTEST_MAIN(SaveQuestion)
#include "tst_savequestion.moc"
