// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "cmdui.h"
#include "document.h"
#include "filedialog.h"
#include "framewnd.h"
#include "gridbytes.h"
#include "ninegridview.h"
#include "printdialog.h"
#include "stdcommands.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {
// 32 digits that break no rule, row by row; "." for an empty cell.
const QByteArray kGrid = "4.1926....263.....3....19...1....8....38.4.....4..9..3...63854...8.....2.4.192.38";
const QByteArray kEmpty(81, '.');

QByteArray With(QByteArray grid, int row, int col, char c)
{
    grid[9 * row + col] = c;
    return grid;
}
} // namespace

// The Edition menu's commands and Print, driven by their keys in the running application: the grid
// and its cells, the focus, the document's state, the beep and standard output together.
class Edition : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppSession> m_session;

    AppSession& S() { return *m_session; }
    void Key(const QString& keys) { QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys)); }
    // The grid as stored (or as the cells show it), row by row, "." for an empty cell.
    QByteArray Grid(bool shown)
    {
        QByteArray grid;
        for (int i = 0; i < 81; ++i) {
            const QString text = S().Cell(i / 9, i % 9)->text();
            const BYTE value = S().View()->m_grid[i / 9][i % 9];
            grid += shown ? (text.isEmpty() ? "." : text.toLatin1()) : QByteArray(1, value ? char('0' + value) : '.');
        }
        return grid;
    }
    bool Enabled(UINT id)
    {
        CCmdUI state(id, nullptr);
        state.DoUpdate(S().Frame());
        return state.IsEnabled();
    }
    // "rcK" selects the cell at row r, column c and types the key K; any other word is a key sequence
    // pressed where the focus is. Undo and redo must neither beep, nor print, nor ask.
    void Play(const QString& script)
    {
        for (const QString& word : script.split(' ')) {
            if (word.size() == 3 && word[0].isDigit()) {
                QLineEdit* cell = S().Cell(word[0].digitValue(), word[1].digitValue());
                cell->setFocus();
                cell->selectAll();
                QTest::keyClick(cell, word[2].toLatin1());
                continue;
            }
            const int beeps = S().beeps;
            const size_t messages = S().messages.size();
            const StdoutCapture out;
            Key(word);
            if (QStringList({"Ctrl+Z", "Alt+Backspace", "Ctrl+Y", "Ctrl+Shift+Z"}).contains(word)) {
                QCOMPARE(out.Bytes(), QByteArray());
                QCOMPARE(S().beeps, beeps);
                QCOMPARE(S().messages.size(), messages);
            }
        }
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SetFileDialogHook([this](QFileDialog&) { return m_dir->filePath("g.txt"); });
        m_session = std::make_unique<AppSession>();
        QVERIFY(m_session->Start());
    }
    void cleanup()
    {
        m_session.reset();
        SetFileDialogHook({});
        m_dir.reset();
    }

    // Pasted with Shift+Ins while the grid holds a 5 at (0, 0) and the focus is on (0, 1); then copied.
    // The Paste button follows the clipboard, whoever changes it.
    void pasteTakesGridsAndDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("status");
        const auto row = [](const char* name, const QString& text, const QByteArray& grid, const char* focus, int beeps,
                            const QByteArray& output, const QString& status) {
            QTest::newRow(name) << text << grid << QString(focus) << beeps << output << status;
        };
        const QByteArray typed = With(kEmpty, 0, 0, '5');
        const QString noGrid = "Le presse-papiers ne contient pas de grille";
        row("one line", kGrid + "\n", kGrid, "01", 0, "", "Prêt");
        row("nine lines, CR LF",
            "401926000\r\n026300000\r\n300001900\r\n010000800\r\n003804000\r\n004009003\r\n000638540\r\n"
            "008000002\r\n040192038",
            kGrid, "01", 0, "", "Prêt");
        row("bordered",
            "+-------+-------+-------+\n"
            "| 4 _ 1 | 9 2 6 | _ _ _ |\n"
            "| * 2 6 | 3 * * | * * * |\n"
            "| 3 . . | . . 1 | 9 . . |\n"
            "+=======+=======+=======+\n"
            "| . 1 . : . . . : 8 . . |\n"
            "| . . 3 : 8 . 4 : . . . |\n"
            "| . . 4 : . . 9 : . . 3 |\n"
            "+-------+-------+-------+\n"
            "| . . . | 6 3 8 | 5 4 . |\n"
            "| . . 8 | . . . | . . 2 |\n"
            "| . 4 . | 1 9 2 | . 3 8 |\n"
            "+-------+-------+-------+\n",
            kGrid, "01", 0, "", "Prêt");
        row("grid file", GridFileBytesOf(QByteArray(kGrid).replace('.', ' ')), kGrid, "01", 0, "", "Prêt");
        row("two in a row", With(kGrid, 2, 1, '3'), typed, "01", 1, "", "Grille refusée, deux 3 dans la ligne 3");
        row("two in a column", With(kGrid, 7, 0, '4'), typed, "01", 1, "", "Grille refusée, deux 4 dans la colonne 1");
        row("two in a box", With(kGrid, 2, 1, '6'), typed, "01", 1, "", "Grille refusée, deux 6 dans le carré 1");
        row("80 cells", kGrid.left(80), typed, "01", 0, "", noGrid);
        row("82 cells", kGrid + "|.", typed, "01", 0, "", noGrid);
        row("a letter", With(kGrid, 4, 4, 'x'), typed, "01", 0, "", noGrid);
        row("zero alone", "0", typed, "01", 0, "", noGrid);
        row("digit among blanks", " \t7\n", With(typed, 0, 1, '7'), "02", 0, "", "Prêt");
        row("digit the row holds", "5", typed, "01", 1,
            "valeur trouv\xE9"
            "e dans ligne",
            "5 refusé, déjà dans la ligne");
    }

    void pasteTakesGridsAndDigits()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, grid);
        QFETCH(QString, focus);
        QFETCH(int, beeps);
        QFETCH(QByteArray, output);
        QFETCH(QString, status);
        QAction* paste = S().Window()->findChild<QToolBar*>()->findChild<QAction*>(QString::number(ID_EDIT_PASTE));
        QGuiApplication::clipboard()->clear();
        QVERIFY(!paste->isEnabled());
        QGuiApplication::clipboard()->setText(text);
        QVERIFY(paste->isEnabled());
        Play("005");
        const StdoutCapture out;
        Key("Shift+Ins");
        QCOMPARE(Grid(false), grid);
        QCOMPARE(Grid(true), grid);
        QCOMPARE(QApplication::focusWidget(), S().Cell(focus[0].digitValue(), focus[1].digitValue()));
        QCOMPARE(S().beeps, beeps);
        QCOMPARE(out.Bytes(), output);
        QCOMPARE(S().Window()->statusBar()->currentMessage(), status);
        Key("Ctrl+C");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString(grid + "\n"));
    }

    // The clipboard holds kGrid for Ctrl+V; the file dialogs answer g.txt.
    void undoWalksBackTheGridsSteps_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("redo");
        const auto row = [](const char* name, const char* script, const QByteArray& grid, const char* focus,
                            bool modified, bool undo, bool redo) {
            QTest::newRow(name) << QString(script) << grid << QString(focus) << modified << undo << redo;
        };
        const QByteArray five = With(kEmpty, 0, 0, '5');
        const QByteArray fiveSix = With(five, 0, 1, '6');
        row("typed digit undone", "005 016 Ctrl+Z", five, "01", true, true, true);
        row("back to the new grid", "005 016 Ctrl+Z Alt+Backspace", kEmpty, "00", false, false, true);
        row("redone by both keys", "005 016 Ctrl+Z Ctrl+Z Ctrl+Y Ctrl+Shift+Z", fiveSix, "01", true, true, false);
        row("refused digit is no step", "005 015 Ctrl+Z", kEmpty, "00", false, false, true);
        row("cleared digit comes back", "005 00x Ctrl+Z", five, "00", true, true, true);
        row("back to the saved grid", "005 Ctrl+S 016 Ctrl+Z", five, "01", false, true, true);
        row("back past the saved grid", "005 Ctrl+S Ctrl+Z", kEmpty, "00", true, false, true);
        row("redone to the saved grid", "005 Ctrl+S Ctrl+Z Ctrl+Y", five, "00", false, true, false);
        row("typing drops the redo", "005 Ctrl+Z 017 Ctrl+Y", With(kEmpty, 0, 1, '7'), "02", true, true, false);
        row("paste undone", "005 Ctrl+V Ctrl+Z", five, "00", true, true, true);
        row("paste redone", "005 Ctrl+V Ctrl+Z Ctrl+Y", kGrid, "00", true, true, false);
        row("cut", "005 016 Shift+Del", kEmpty, "02", true, true, false);
        row("cut undone", "005 016 Ctrl+X Ctrl+Z", fiveSix, "00", true, true, true);
        row("New starts afresh", "005 Ctrl+N Ctrl+Z", kEmpty, "01", false, false, false);
        row("Open starts afresh", "005 Ctrl+S 016 Ctrl+O Ctrl+Z", five, "02", false, false, false);
    }

    void undoWalksBackTheGridsSteps()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, grid);
        QFETCH(QString, focus);
        QFETCH(bool, modified);
        QFETCH(bool, undo);
        QFETCH(bool, redo);
        QGuiApplication::clipboard()->setText(kGrid);
        Play(script);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(Grid(false), grid);
        QCOMPARE(Grid(true), grid);
        QCOMPARE(QApplication::focusWidget(), S().Cell(focus[0].digitValue(), focus[1].digitValue()));
        QCOMPARE(bool(S().View()->GetDocument()->IsModified()), modified);
        QCOMPARE(S().Caption(), QString(modified ? "Sans titre* - Le Carrelix" : "Sans titre - Le Carrelix"));
        QCOMPARE(Enabled(ID_EDIT_UNDO), undo);
        QCOMPARE(Enabled(ID_EDIT_REDO), redo);
    }

    void printWritesOnePage()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing: the printed page cannot be read back");
        QGuiApplication::clipboard()->setText(kGrid);
        Key("Ctrl+V");
        const QString pdf = m_dir->filePath("grille.pdf");
        bool toFile = false;
        SetPrintDialogHook([&](QPrintDialog& dialog) {
            toFile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
            dialog.printer()->setOutputFileName(pdf);
            return true;
        });
        const auto restore = qScopeGuard([] { SetPrintDialogHook({}); });
        Key("Ctrl+P");
        QVERIFY(toFile);
        QVERIFY(S().messages.empty());
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count('\f'), 1); // one page
        QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.takeFirst().trimmed(), QString("Sans titre"));
        QCOMPARE(lines.join(QString()).remove(QRegularExpression("\\s")), QString(kGrid).remove('.'));
    }
};

QTEST_MAIN(Edition)
#include "tst_edition.moc"
