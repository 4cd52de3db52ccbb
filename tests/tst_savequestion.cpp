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
#include <QLabel>
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

// One row: a grid typed into, an action that would throw it away, the answer to the question; and
// what must come of it.
struct Case
{
    // The situation.
    QString document; // the document the program starts with: "doc.txt", or empty for an untitled grid
    QString keys;     // typed into the empty cell (0, 8)
    QString action;   // new, recent, open, open itself, save, save as, quit, close, session
    QString askedFor; // the title the question names; empty where no question may come
    QString answer;   // discard, save, "save, dialog cancelled", "save, fails", cancel
    // The outcome.
    QString caption;    // the caption's document part afterwards; empty when the window is closed
    BYTE typedCell = 0; // the digits in the cells (0, 8) and (8, 8) afterwards
    BYTE lastCell = 0;
    QByteArray printed;
    QString savedIn; // the file that now holds the typed grid; "6" in its cell (0, 8), savedLast in (8, 8)
    BYTE savedLast = 0;
    int failureReports = 0;
    bool sessionEnds = true;

    Case& In(const char* name) { return document = name, *this; }
    Case& Typing(const char* typed) { return keys = typed, *this; }
    Case& Then(const char* name) { return action = name, *this; }
    Case& Asked(const char* title, const char* given) { return askedFor = title, answer = given, *this; }
    Case& Caption(const char* shown) { return caption = shown, *this; }
    Case& Shows(BYTE typed, BYTE last) { return typedCell = typed, lastCell = last, *this; }
    Case& Prints(const char* line) { return printed = line, *this; }
    Case& SavesIn(const char* file, BYTE last) { return savedIn = file, savedLast = last, *this; }
    Case& ReportsFailure() { return failureReports = 1, *this; }
    Case& KeepsSession() { return sessionEnds = false, *this; }
};

constexpr char kRead[] = "Number of items read = 180\n";
} // namespace

Q_DECLARE_METATYPE(Case)

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

    static void Add(const char* name, const Case& row) { QTest::newRow(name) << row; }

private slots:
    void cleanup()
    {
        m_session.reset();
        SetFileDialogHook({});
        m_dir.reset();
    }

    void changedGridIsNeverDiscardedUnasked_data()
    {
        QTest::addColumn<Case>("row");
        const Case doc = Case().In("doc.txt");
        const Case untitled;
        // clang-format off
        // Nothing changed, nothing asked: every action goes on as it always did.
        Add("new, untouched",          Case(untitled).Then("new").Caption("Sans titre"));
        Add("new, letter erased",      Case(doc).Typing("x").Then("new").Caption("Sans titre"));
        Add("new, refused digit",      Case(doc).Typing("7").Then("new").Caption("Sans titre"));
        Add("recent, untouched",       Case(doc).Then("recent").Caption("other.txt").Shows(0, 9));
        Add("open, untouched",         Case(doc).Then("open").Caption("doc.txt").Shows(0, 9).Prints(kRead));
        Add("quit, untouched",         Case(untitled).Then("quit"));
        Add("close, untouched",        Case(doc).Then("close").Shows(0, 7));
        Add("session end, untouched",  Case(doc).Then("session").Caption("doc.txt").Shows(0, 7));
        // Saving makes the grid unchanged.
        Add("save",                    Case(doc).Typing("6").Then("save").Caption("doc.txt").Shows(6, 7)
                                           .Prints("Wrote 180 items\n").SavesIn("saved.txt", 7));
        Add("save as",                 Case(untitled).Typing("6").Then("save as").Caption("saved.txt").Shows(6, 0)
                                           .SavesIn("saved.txt", 0));
        // A changed grid: each answer.
        Add("new, don't save",         Case(doc).Typing("6").Then("new").Asked("doc.txt", "discard")
                                           .Caption("Sans titre"));
        Add("new, save to the document", Case(doc).Typing("6").Then("new").Asked("doc.txt", "save")
                                           .Caption("Sans titre").SavesIn("doc.txt", 7));
        Add("new, save untitled",      Case(untitled).Typing("6").Then("new").Asked("Sans titre", "save")
                                           .Caption("Sans titre").SavesIn("saved.txt", 0));
        Add("new, save dialog cancelled", Case(untitled).Typing("6").Then("new")
                                           .Asked("Sans titre", "save, dialog cancelled").Caption("Sans titre*").Shows(6, 0));
        Add("new, save fails",         Case(untitled).Typing("6").Then("new").Asked("Sans titre", "save, fails")
                                           .Caption("Sans titre*").Shows(6, 0).ReportsFailure());
        Add("new, cancel",             Case(doc).Typing("6").Then("new").Asked("doc.txt", "cancel")
                                           .Caption("doc.txt*").Shows(6, 7));
        Add("recent, cancel",          Case(doc).Typing("6").Then("recent").Asked("doc.txt", "cancel")
                                           .Caption("doc.txt*").Shows(6, 7));
        Add("recent, don't save",      Case(doc).Typing("6").Then("recent").Asked("doc.txt", "discard")
                                           .Caption("other.txt").Shows(0, 9));
        Add("recent, save untitled",   Case(untitled).Typing("6").Then("recent").Asked("Sans titre", "save")
                                           .Caption("other.txt").Shows(0, 9).SavesIn("saved.txt", 0));
        Add("open, cancel",            Case(doc).Typing("6").Then("open").Asked("doc.txt", "cancel")
                                           .Caption("doc.txt*").Shows(6, 7).Prints(kRead));
        Add("open, don't save",        Case(doc).Typing("6").Then("open").Asked("doc.txt", "discard")
                                           .Caption("doc.txt").Shows(0, 9).Prints(kRead));
        Add("open, save",              Case(doc).Typing("6").Then("open").Asked("doc.txt", "save")
                                           .Caption("doc.txt").Shows(0, 9).Prints(kRead).SavesIn("doc.txt", 7));
        // The file opened is the one the grid was just saved into: the grid stays.
        Add("open itself, save",       Case(doc).Typing("6").Then("open itself").Asked("doc.txt", "save")
                                           .Caption("doc.txt").Shows(6, 7).Prints(kRead).SavesIn("doc.txt", 7));
        Add("quit, cancel",            Case(untitled).Typing("6").Then("quit").Asked("Sans titre", "cancel")
                                           .Caption("Sans titre*").Shows(6, 0));
        Add("quit, save",              Case(doc).Typing("6").Then("quit").Asked("doc.txt", "save")
                                           .Shows(6, 7).SavesIn("doc.txt", 7));
        Add("close, don't save",       Case(doc).Typing("6").Then("close").Asked("doc.txt", "discard").Shows(6, 7));
        Add("close, cancel",           Case(doc).Typing("6").Then("close").Asked("doc.txt", "cancel")
                                           .Caption("doc.txt*").Shows(6, 7));
        Add("session end, cancel",     Case(doc).Typing("6").Then("session").Asked("doc.txt", "cancel")
                                           .Caption("doc.txt*").Shows(6, 7).KeepsSession());
        Add("session end, don't save", Case(doc).Typing("6").Then("session").Asked("doc.txt", "discard")
                                           .Caption("doc.txt").Shows(6, 7));
        // clang-format on
    }

    void changedGridIsNeverDiscardedUnasked()
    {
        QFETCH(Case, row);
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
        QVERIFY(S().Start(row.document.isEmpty() ? QStringList() : QStringList{Path(row.document)}));
        S().Cell(0, 8)->setFocus();
        for (const QChar c : row.keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());

        // Open picks other.txt or the document itself; Save As and Enregistrer save to saved.txt,
        // or into a folder, which fails.
        SetFileDialogHook([&](QFileDialog& dialog) {
            if (dialog.acceptMode() == QFileDialog::AcceptOpen)
                return Path(row.action == "open itself" ? "doc.txt" : "other.txt");
            if (row.answer == "save, dialog cancelled")
                return QString();
            return Path(row.answer == "save, fails" ? "dossier" : "saved.txt");
        });
        QStringList askedFor;
        QStringList spoken; // the question's label as screen readers read it
        QStringList buttons;
        int reports = 0;
        SetMessageBoxDriver([&](QMessageBox& box) {
            if (!box.button(QMessageBox::Save)) { // the report of a failed save
                ++reports;
                return;
            }
            askedFor << box.text() + "\n" + box.informativeText();
            for (const QLabel* label : box.findChildren<QLabel*>()) {
                if (label->text() == box.text())
                    spoken << label->accessibleName();
            }
            for (QAbstractButton* button : box.buttons())
                buttons << button->text() + (button == box.defaultButton() ? " (default)" : "");
            QTimer::singleShot(0, &box, [&box, answer = row.answer] {
                const auto closeAnyway = qScopeGuard([&box] {
                    if (box.isVisible())
                        box.done(0);
                });
                if (answer == "discard") { // by its access key, in the active window; the button's click shows
                    QApplication::setActiveWindow(&box);
                    QTest::keyClick(&box, Qt::Key_N, Qt::AltModifier);
                    Q_UNUSED(QTest::qWaitFor([&box] { return !box.isVisible(); }));
                } else {
                    QTest::keyClick(&box, answer == "cancel" ? Qt::Key_Escape : Qt::Key_Return);
                }
            });
            box.exec();
        });

        const StdoutCapture out;
        const std::map<QString, UINT> commands{{"recent", ID_FILE_MRU_FILE1 + !row.document.isEmpty()}, // doc.txt first
                                               {"open", ID_FILE_OPEN},
                                               {"open itself", ID_FILE_OPEN},
                                               {"save", ID_FILE_SAVE},
                                               {"save as", ID_FILE_SAVE_AS},
                                               {"quit", ID_APP_EXIT}};
        BOOL sessionEnds = TRUE;
        if (row.action == "new")
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+N"));
        else if (row.action == "close")
            S().Window()->close();
        else if (row.action == "session")
            sessionEnds = S().Frame()->OnQueryEndSession();
        else
            S().Frame()->ExecuteCommand(commands.at(row.action));

        QCOMPARE(WithoutTestWarnings(out.Bytes()), row.printed);
        const QString question("Voulez-vous enregistrer les modifications apportées à « %1 » ?\n"
                               "Si vous n'enregistrez pas, vos modifications seront perdues.");
        QCOMPARE(askedFor, row.askedFor.isEmpty() ? QStringList() : QStringList{question.arg(row.askedFor)});
        // Without the quotation marks, which Orca reads aloud.
        const QString spokenQuestion("Voulez-vous enregistrer les modifications apportées à %1 ?");
        QCOMPARE(spoken, row.askedFor.isEmpty() ? QStringList() : QStringList{spokenQuestion.arg(row.askedFor)});
        buttons.sort();
        QCOMPARE(buttons, row.askedFor.isEmpty()
                              ? QStringList()
                              : QStringList({"&Enregistrer (default)", "&Ne pas enregistrer", "Annuler"}));
        QCOMPARE(reports, row.failureReports);
        QCOMPARE(bool(sessionEnds), row.sessionEnds);
        QCOMPARE(S().Window()->isVisible() ? S().Caption() : QString(),
                 row.caption.isEmpty() ? QString() : row.caption + " - Le Carrelix");
        QCOMPARE(S().View()->m_grid[0][8], row.typedCell);
        QCOMPARE(S().Cell(0, 8)->text(), row.typedCell ? QString::number(row.typedCell) : QString());
        QCOMPARE(S().View()->m_grid[8][8], row.lastCell);
        QCOMPARE(S().Cell(8, 8)->text(), row.lastCell ? QString::number(row.lastCell) : QString());
        const QByteArray savedGrid = GridFileBytesOf("        6" + QByteArray(71, ' ') + char('0' + row.savedLast));
        QCOMPARE(ReadAll(Path("doc.txt")), row.savedIn == "doc.txt" ? savedGrid : kDocGrid);
        QCOMPARE(ReadAll(Path("saved.txt")), row.savedIn == "saved.txt" ? savedGrid : QByteArray());
    }
};

QTEST_MAIN(SaveQuestion)
#include "tst_savequestion.moc"
