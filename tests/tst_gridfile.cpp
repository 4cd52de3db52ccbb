// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "document.h"
#include "filedialog.h"
#include "framewnd.h"
#include "gridbytes.h"
#include "ninegridview.h"
#include "recentfilelist.h"
#include "resource.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {
using Permissions = QFileDevice::Permissions;
// Permissions by what they allow: the owner (and the user) everything or reading and writing;
// the group and others reading, also entering a folder, and writing.
constexpr Permissions kOwnerAll = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
constexpr Permissions kOthersEnter =
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
constexpr Permissions kAllReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                      QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                      QFileDevice::ReadOther | QFileDevice::WriteOther;
constexpr Permissions kAllReadEnter =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::ExeUser | kOthersEnter;

// The probe's status when the machine lets no process have namespaces of its own.
constexpr int kNoNamespaces = 77;

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

// What a file dialog was set up with when it came up.
struct DialogSeen
{
    QFileDialog::AcceptMode mode;
    QFileDialog::FileMode fileMode;
    QStringList filters;
    QString selectedFilter;
    QString defaultSuffix;
    bool confirmOverwrite;
    QString nameBox;
};
} // namespace

// File > Save and File > Open, the grid text file on disk and the file dialogs.
class GridFile : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> m_session;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<DialogSeen> m_dialogs;

    AppSession& S() { return *m_session; }
    QString Path(const QString& name) const { return m_dir->filePath(name); }

    // Every file dialog from now on is answered with this path, or cancelled for an empty one.
    void AnswerDialogs(const QString& path)
    {
        SetFileDialogHook([this, path](QFileDialog& dialog) {
            const auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
            m_dialogs.push_back({dialog.acceptMode(), dialog.fileMode(), dialog.nameFilters(),
                                 dialog.selectedNameFilter(), dialog.defaultSuffix(),
                                 !dialog.testOption(QFileDialog::DontConfirmOverwrite),
                                 nameBox ? nameBox->text() : QStringLiteral("?")});
            return path;
        });
    }

    void Type(int row, int col, const QString& digits)
    {
        S().Cell(row, col)->setFocus();
        for (const QChar c : digits)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }

    void Command(UINT id) { S().Frame()->ExecuteCommand(id); }

    // What the probe's process may not do: grow files ("size"), act with root's rights ("rights"), or
    // find room in the folder full/, a file system of its own one page big, filled ("full").
    std::function<void()> ProbeLimits(const QString& limits) const
    {
        const QByteArray full = QFile::encodeName(Path("full"));
        return [limits, full] {
            if (limits.contains("full") && !FillUp(full.constData()))
                _exit(kNoNamespaces);
            if (limits.contains("size")) {
                const rlimit fileSize{100, 100};
                setrlimit(RLIMIT_FSIZE, &fileSize);
            }
            if (limits.contains("rights") && geteuid() == 0) {
                setgroups(0, nullptr);
                if (setgid(65534) != 0 || setuid(65534) != 0)
                    _exit(3);
            }
        };
    }

    // In the child before it starts: a user and mount namespace of its own, where a one-page tmpfs
    // on the folder is filled up. Unprivileged users can do it, and root in most containers.
    static bool FillUp(const char* folder)
    {
        const uid_t uid = geteuid();
        const gid_t gid = getegid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        char map[64];
        const auto writeFile = [](const char* file, const char* text) {
            const int fd = ::open(file, O_WRONLY);
            const bool written = fd >= 0 && ::write(fd, text, std::strlen(text)) == ssize_t(std::strlen(text));
            return ::close(fd) == 0 && written;
        };
        std::snprintf(map, sizeof map, "0 %u 1", unsigned(uid));
        if (!writeFile("/proc/self/setgroups", "deny") || !writeFile("/proc/self/uid_map", map))
            return false;
        std::snprintf(map, sizeof map, "0 %u 1", unsigned(gid));
        if (!writeFile("/proc/self/gid_map", map) || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", folder, "tmpfs", 0, "size=4k") != 0)
            return false;
        char filler[PATH_MAX];
        std::snprintf(filler, sizeof filler, "%s/filler", folder);
        const int fd = ::open(filler, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        static const char page[4096] = {};
        ssize_t written = 0;
        while (fd >= 0 && (written = ::write(fd, page, sizeof page)) > 0) {
        }
        return fd >= 0 && written < 0 && errno == ENOSPC;
    }

    // Runs the probe program with what the child does before it starts.
    QByteArray Probe(const QStringList& arguments, const std::function<void()>& inChild, int* exitCode)
    {
        QProcess probe;
        probe.setChildProcessModifier(inChild);
        probe.start(QStringLiteral(GRIDFILE_PROBE), arguments);
        if (!probe.waitForFinished(30000))
            qFatal("the grid file probe did not finish");
        *exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
        return probe.readAllStandardOutput();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dialogs.clear();
        m_session = std::make_unique<AppSession>();
        QVERIFY(m_session->Start());
    }

    void cleanup()
    {
        m_session.reset();
        SetFileDialogHook({});
        m_dir.reset();
    }

    void savedGridOpensBackWhole()
    {
        Type(0, 0, "53");
        Type(4, 4, "7");
        Type(8, 7, "12"); // (8, 7) and the last cell
        AnswerDialogs(Path("grille.txt"));
        {
            const StdoutCapture out;
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+S"));
            QCOMPARE(out.Bytes(), QByteArray("Wrote 180 items\n"));
        }
        QCOMPARE(S().beeps, 1);
        QCOMPARE(ReadAll(Path("grille.txt")), GridFileBytesOf("53       "
                                                              "         "
                                                              "         "
                                                              "         "
                                                              "    7    "
                                                              "         "
                                                              "         "
                                                              "         "
                                                              "       12"));

        Command(ID_FILE_NEW);
        QCOMPARE(S().View()->m_grid[8][8], BYTE(0));
        {
            const StdoutCapture out;
            QTest::keySequence(QApplication::focusWidget(), QKeySequence("Ctrl+O"));
            QCOMPARE(out.Bytes(), QByteArray("Number of items read = 180\n"));
        }
        const BYTE expected[][3] = {{0, 0, 5}, {0, 1, 3}, {4, 4, 7}, {8, 7, 1}, {8, 8, 2}, {8, 6, 0}, {5, 5, 0}};
        for (const auto& cell : expected) {
            QCOMPARE(S().View()->m_grid[cell[0]][cell[1]], cell[2]);
            QCOMPARE(S().Cell(cell[0], cell[1])->text(), cell[2] ? QString::number(cell[2]) : QString());
        }
        QCOMPARE(S().beeps, 1);
        // Neither command names the document.
        QCOMPARE(S().Caption(), QString("Sans titre - Le Carrelix"));
        QVERIFY(theApp.GetRecentFileList()->Files().isEmpty());
        QVERIFY(S().messages.empty());
    }

    void dialogsOfferTheirFiltersWithAnEmptyName()
    {
        AnswerDialogs(QString());
        Command(ID_FILE_SAVE);
        Command(ID_FILE_OPEN);
        Command(ID_FILE_SAVE);
        QCOMPARE(m_dialogs.size(), size_t(3));
        const DialogSeen& save = m_dialogs[0];
        QCOMPARE(save.mode, QFileDialog::AcceptSave);
        QCOMPARE(save.filters.size(), 1);
        QVERIFY(save.filters[0].startsWith("Text files (*.txt) ("));
        QCOMPARE(save.defaultSuffix, QString("txt"));
        QVERIFY(save.confirmOverwrite);
        QCOMPARE(save.nameBox, QString());
        const DialogSeen& open = m_dialogs[1];
        QCOMPARE(open.mode, QFileDialog::AcceptOpen);
        QCOMPARE(open.fileMode, QFileDialog::ExistingFile);
        QCOMPARE(open.filters.size(), 2);
        QVERIFY(open.filters[0].startsWith("Text ("));
        QCOMPARE(open.filters[1], QString("All (*)"));
        QCOMPARE(open.selectedFilter, QString("Text"));
        QCOMPARE(open.nameBox, QString());
        QCOMPARE(m_dialogs[2].filters, save.filters);
        QCOMPARE(m_dialogs[2].nameBox, QString());
    }

    void cancelChangesNothing()
    {
        Type(2, 2, "4");
        WriteAll(Path("grille.txt"), SampleGridFile());
        AnswerDialogs(QString());
        const StdoutCapture out;
        Command(ID_FILE_SAVE);
        Command(ID_FILE_OPEN);
        QCOMPARE(out.Bytes(), QByteArray());
        QCOMPARE(S().View()->m_grid[2][2], BYTE(4));
        QCOMPARE(S().beeps, 0);
        QCOMPARE(m_dir->path(), QFileInfo(Path("grille.txt")).path()); // nothing else was written
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"grille.txt"});
    }

    void onlyOneFileDialogAtATime()
    {
        int dialogs = 0;
        SetFileDialogHook([&](QFileDialog&) {
            ++dialogs;
            Command(ID_FILE_OPEN); // a second command while the first dialog is up
            Command(ID_FILE_SAVE);
            return QString();
        });
        Command(ID_FILE_SAVE);
        QCOMPARE(dialogs, 1);
    }

    void repeatedDigitsLoadAsTheyStand()
    {
        WriteAll(Path("doubles.txt"), GridFileBytesOf("55       " + QByteArray(72, ' ')));
        AnswerDialogs(Path("doubles.txt"));
        Command(ID_FILE_OPEN);
        QCOMPARE(S().View()->m_grid[0][0], BYTE(5));
        QCOMPARE(S().View()->m_grid[0][1], BYTE(5));
        QCOMPARE(S().beeps, 0);
    }

    void saveAsWritesTheGridAndNamesTheDocument()
    {
        Type(8, 8, "6");
        AnswerDialogs(Path("sous.txt"));
        Command(ID_FILE_SAVE_AS);
        QCOMPARE(m_dialogs.size(), size_t(1));
        QCOMPARE(m_dialogs[0].filters, QStringList{"Tous les fichiers (*)"});
        QCOMPARE(ReadAll(Path("sous.txt")), GridFileBytesOf(QByteArray(80, ' ') + "6"));
        QCOMPARE(S().Caption(), QString("sous.txt - Le Carrelix"));
        QCOMPARE(theApp.GetRecentFileList()->Files().value(0), Path("sous.txt"));

        Command(ID_FILE_NEW);
        QVERIFY(theApp.OpenDocumentFile(Path("sous.txt")));
        QCOMPARE(S().View()->m_grid[8][8], BYTE(6));
        QCOMPARE(S().Cell(8, 8)->text(), QString("6"));
    }

    // A file must bring 162 grid characters: eight rows and the first cell with its TAB.
    void cutShortFileLoadsFrom162GridCharacters_data()
    {
        QTest::addColumn<bool>("byOpen"); // File > Open, or the document as the command line and recent files read it
        QTest::addColumn<int>("chars");
        QTest::newRow("161 by Open") << true << 161;
        QTest::newRow("162 by Open") << true << 162;
        QTest::newRow("161 as the document") << false << 161;
        QTest::newRow("162 as the document") << false << 162;
    }

    void cutShortFileLoadsFrom162GridCharacters()
    {
        QFETCH(bool, byOpen);
        QFETCH(int, chars);
        WriteAll(Path("court.txt"), SampleGridFile().left(13 + chars / 20 * 21 + chars % 20));
        const bool loads = chars >= 162;
        if (byOpen) {
            AnswerDialogs(Path("court.txt"));
            const StdoutCapture out;
            Command(ID_FILE_OPEN);
            QCOMPARE(out.Bytes(), QByteArray("Number of items read = ") + QByteArray::number(chars) + "\n");
        } else {
            QCOMPARE(theApp.OpenDocumentFile(Path("court.txt")) != nullptr, loads);
        }
        QCOMPARE(S().messages.size(), size_t(loads ? 0 : 1));
        QCOMPARE(S().View()->m_grid[7][7], BYTE(loads ? 8 : 0));
        QCOMPARE(S().Cell(7, 7)->text(), loads ? QString("8") : QString());
    }

    void failedOpenKeepsGridAndTells_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("too short") << "short" << QByteArray("Number of items read = 140\n");
        QTest::newRow("vanished after the dialog") << "vanished" << QByteArray("File could not be opened\n");
        QTest::newRow("fifo") << "fifo" << QByteArray("File could not be opened\n");
        QTest::newRow("folder") << "folder" << QByteArray("File could not be opened\n");
    }

    void failedOpenKeepsGridAndTells()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, output);
        const QString path = Path(kind);
        if (kind == "short")
            WriteAll(path, SampleGridFile().left(13 + 7 * 21));
        else if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        Type(1, 1, "8");
        AnswerDialogs(path);
        const StdoutCapture out;
        Command(ID_FILE_OPEN);
        QCOMPARE(out.Bytes(), output);
        QCOMPARE(S().messages.size(), size_t(1));
        QVERIFY(S().messages[0].text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(S().View()->m_grid[1][1], BYTE(8));
        QCOMPARE(S().Cell(1, 1)->text(), QString("8"));
    }

    void failedSaveKeepsOldFileAndTells_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("through a regular file") << "plain.txt/grille.txt";
        QTest::newRow("a folder") << "dossier";
        QTest::newRow("a fifo") << "fifo";
        QTest::newRow("missing folder") << "absent/grille.txt";
    }

    void failedSaveKeepsOldFileAndTells()
    {
        QFETCH(QString, target);
        WriteAll(Path("plain.txt"), "ancien");
        QVERIFY(QDir().mkdir(Path("dossier")));
        QCOMPARE(mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
        AnswerDialogs(Path(target));
        const StdoutCapture out;
        Command(ID_FILE_SAVE);
        QCOMPARE(out.Bytes(), QByteArray("Problem opening the file\n"));
        QCOMPARE(S().messages.size(), size_t(1));
        QVERIFY(S().messages[0].text.contains(QDir::toNativeSeparators(Path(target))));
        QCOMPARE(S().beeps, 0);
        QCOMPARE(ReadAll(Path("plain.txt")), QByteArray("ancien"));
        QVERIFY(QFileInfo(Path("dossier")).isDir());
        struct stat status;
        QVERIFY(stat(QFile::encodeName(Path("fifo")).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }

    void longUtf8PathsWork()
    {
        QString folder = m_dir->path();
        for (int i = 0; i < 6; ++i)
            folder += QStringLiteral("/dossier-très-profond-numéro-%1-avec-un-nom-à-rallonge").arg(i);
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/grille d'été ✓.txt");
        QVERIFY(path.toUtf8().size() > 300);
        Type(3, 3, "9");
        AnswerDialogs(path);
        Command(ID_FILE_SAVE);
        QCOMPARE(ReadAll(path).size(), 202);
        Command(ID_FILE_NEW);
        Command(ID_FILE_OPEN);
        QCOMPARE(S().View()->m_grid[3][3], BYTE(9));
        QVERIFY(S().messages.empty());
    }

    void realSaveDialogAddsExtensionAndAsksBeforeReplacing()
    {
        WriteAll(Path("grille.txt"), "ancien");
        QStringList answers;
        SetFileDialogHook([&](QFileDialog& dialog) {
            dialog.setDirectory(m_dir->path());
            QTimer::singleShot(0, &dialog, [&] {
                const auto closeAnyway = qScopeGuard([&dialog] {
                    if (dialog.isVisible())
                        dialog.reject();
                });
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                // First refuse to replace grille.txt: the dialog stays; then accept.
                for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
                    QTimer::singleShot(0, &dialog, [&answers, button] {
                        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                        answers << (box ? box->text() : QString("no question"));
                        if (box)
                            box->button(button)->click();
                    });
                    name->setText("grille");
                    QTest::keyClick(name, Qt::Key_Return);
                    if (button == QMessageBox::No)
                        QVERIFY(dialog.isVisible());
                }
            });
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        });
        Type(0, 0, "7");
        Command(ID_FILE_SAVE);
        QCOMPARE(answers.size(), 2);
        QVERIFY(answers[0].contains("grille.txt"));
        QCOMPARE(ReadAll(Path("grille.txt")), GridFileBytesOf("7" + QByteArray(80, ' ')));
    }

    void realOpenDialogListsTextFilesWhateverTheirCase()
    {
        WriteAll(Path("GRILLE.TXT"), SampleGridFile());
        WriteAll(Path("autre.txt"), SampleGridFile());
        WriteAll(Path("notes.md"), "notes");
        QStringList listed;
        QString warned;
        SetFileDialogHook([&](QFileDialog& dialog) {
            dialog.setDirectory(m_dir->path());
            auto* model = dialog.findChild<QFileSystemModel*>();
            QTimer::singleShot(0, &dialog, [&, model] {
                // A failed check must not leave the modal dialog waiting for ever.
                const auto closeAnyway = qScopeGuard([&dialog] {
                    if (dialog.isVisible())
                        dialog.reject();
                });
                const QModelIndex folder = model->index(m_dir->path());
                QTRY_COMPARE(model->rowCount(folder), 2);
                for (int row = 0; row < model->rowCount(folder); ++row)
                    listed << model->index(row, 0, folder).data().toString();
                auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
                // A missing file is refused with a warning; the dialog stays open.
                QTimer::singleShot(0, &dialog, [&warned] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        warned = box->text();
                        box->accept();
                    }
                });
                name->setText("absent.txt");
                QTest::keyClick(name, Qt::Key_Return);
                QVERIFY(dialog.isVisible());
                name->setText("GRILLE.TXT");
                QTest::keyClick(name, Qt::Key_Return);
            });
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        });
        Command(ID_FILE_OPEN);
        listed.sort();
        QCOMPARE(listed, QStringList({"GRILLE.TXT", "autre.txt"}));
        QVERIFY(warned.contains("absent.txt"));
        QCOMPARE(S().View()->m_grid[8][8], BYTE(9));
    }

    // Failures that need a process of its own: one without the rights of root, one whose files
    // cannot grow, as when the disk fills up, one on a disk that is full.
    // fermé is a folder that takes no new file, with a grille.txt that may be written: written in place.
    void failuresOfTheSystemLeaveOldFiles_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("reason"); // French whatever the locale; empty for a success
        QTest::newRow("unreadable file") << "read"
                                         << "grille.txt"
                                         << "rights" << QByteArray("File could not be opened\n")
                                         << "permission refusée";
        QTest::newRow("unwritable folder")
            << "save"
            << "fermé/nouvelle.txt"
            << "rights" << QByteArray("Problem opening the file\n") << "permission refusée";
        QTest::newRow("disk full")
            << "save"
            << "grille.txt"
            << "size" << QByteArray("Wrote 180 items\n")
            << "le fichier dépasserait la taille permise ; le fichier existant n'a pas été modifié";
        QTest::newRow("in place") << "save"
                                  << "fermé/grille.txt"
                                  << "rights" << QByteArray("Wrote 180 items\nbeep\n") << "";
        QTest::newRow("in place, disk full")
            << "save"
            << "fermé/grille.txt"
            << "rights size" << QByteArray("Wrote 180 items\n")
            << "le fichier dépasserait la taille permise ; le fichier a pu n'être écrit qu'en partie";
        QTest::newRow("Save As in place, disk full")
            << "save as"
            << "fermé/grille.txt"
            << "rights size" << QByteArray()
            << "le fichier dépasserait la taille permise ; le fichier a pu n'être écrit qu'en partie";
        QTest::newRow("saved from the question in place, disk full")
            << "question"
            << "fermé/grille.txt"
            << "rights size" << QByteArray()
            << "le fichier dépasserait la taille permise ; le fichier a pu n'être écrit qu'en partie";
        QTest::newRow("no space left")
            << "save"
            << "full/grille.txt"
            << "full" << QByteArray("Wrote 180 items\n")
            << "il n'y a plus de place sur le disque ; le fichier existant n'a pas été modifié";
    }

    void failuresOfTheSystemLeaveOldFiles()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, limit);
        QFETCH(QByteArray, output);
        QFETCH(QString, reason);
        // Another user must be able to reach the files, but not read or change them.
        QVERIFY(QFile::setPermissions(m_dir->path(), kOwnerAll | kOthersEnter));
        QVERIFY(QDir().mkdir(Path("fermé")));
        WriteAll(Path("fermé/grille.txt"), "ancien");
        QVERIFY(QFile::setPermissions(Path("fermé/grille.txt"), kAllReadWrite));
        QVERIFY(QFile::setPermissions(Path("fermé"), kAllReadEnter));
        const QString path = Path(name);
        WriteAll(Path("grille.txt"), "ancien");
        if (limit == "rights")
            QVERIFY(QFile::setPermissions(Path("grille.txt"), QFileDevice::Permissions()));
        const auto restore = qScopeGuard([this] { QFile::setPermissions(Path("fermé"), kOwnerAll); });

        if (limit == "full")
            QVERIFY(QDir().mkdir(Path("full")));

        int exitCode = -1;
        const QByteArray out = Probe({action, path}, ProbeLimits(limit), &exitCode);
        if (exitCode == kNoNamespaces)
            QSKIP("no user and mount namespaces here to fill a disk up");
        QCOMPARE(exitCode, reason.isEmpty() ? 0 : 1);
        QVERIFY2(out.startsWith(output), out.constData());
        if (!reason.isEmpty()) {
            QVERIFY2(out.contains("message: ") && out.contains(QDir::toNativeSeparators(path).toUtf8()),
                     out.constData());
            QVERIFY2(out.contains(" : " + reason.toUtf8() + ".\n"), out.constData());
            QVERIFY(!out.contains("beep"));
        }
        QFile::setPermissions(Path("grille.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(ReadAll(Path("grille.txt")), QByteArray("ancien"));
        if (reason.isEmpty())
            QCOMPARE(ReadAll(path), GridFileBytesOf(QByteArray(80, ' ') + "9"));
        // No leftovers.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"grille.txt"});
        QCOMPARE(QDir(Path("fermé")).entryList(QDir::Files), QStringList{"grille.txt"});
    }
};

QTEST_MAIN(GridFile)
#include "tst_gridfile.moc"
