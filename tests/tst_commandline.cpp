// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "commandline.h"
#include "document.h"
#include "gridbytes.h"
#include "ninegridview.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(CommandLineOptions::Action)

// The command line: what each argument asks for, the answers given without a window, and a file
// whose name starts with a dash.
class CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLineOptions::Action>("action");
        QTest::addColumn<QString>("unknownOption");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("qtArgumentCount");
        const auto run = CommandLineOptions::Run;
        QTest::newRow("nothing") << QStringList{} << run << ""
                                 << "" << 1;
        QTest::newRow("a file") << QStringList{"grille.txt", "autre.txt"} << run << ""
                                << "grille.txt" << 3;
        QTest::newRow("--help") << QStringList{"grille.txt", "--help"} << CommandLineOptions::ShowHelp << ""
                                << "" << 3;
        QTest::newRow("-h") << QStringList{"-h", "--version"} << CommandLineOptions::ShowHelp << ""
                            << "" << 3;
        QTest::newRow("--version") << QStringList{"--version"} << CommandLineOptions::ShowVersion << ""
                                   << "" << 2;
        QTest::newRow("unknown option first")
            << QStringList{"--aide", "--help"} << CommandLineOptions::RejectOption << "--aide"
            << "" << 3;
        QTest::newRow("a lone dash") << QStringList{"-"} << CommandLineOptions::RejectOption << "-"
                                     << "" << 2;
        QTest::newRow("Qt's options and their values")
            << QStringList{"-platform", "xcb", "--style", "fusion", "-reverse", "-stylesheet=a.qss", "grille.txt"}
            << run << ""
            << "grille.txt" << 8;
        QTest::newRow("-x after --") << QStringList{"--", "-x", "--bogus"} << run << ""
                                     << "-x" << 1;
        QTest::newRow("Qt's option after --") << QStringList{"-reverse", "--", "-platform"} << run << ""
                                              << "-platform" << 2;
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        const CommandLineOptions options = ParseCommandLineOptions(QStringList{"carrelix"} + arguments);
        QTEST(options.action, "action");
        QTEST(options.unknownOption, "unknownOption");
        if (options.action == CommandLineOptions::Run) {
            QTEST(options.fileName, "fileName");
            QTEST(options.qtArgumentCount, "qtArgumentCount");
        }
    }

    // What Qt will read of the display from its arguments: the last -platform and -display before "--".
    void displayOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::newRow("none") << QStringList{"grille.txt", "-reverse"} << ""
                              << "";
        QTest::newRow("the last of each")
            << QStringList{"--platform", "offscreen", "-display", ":77", "grille.txt", "-platform", "wayland;xcb"}
            << "wayland;xcb"
            << ":77";
        QTest::newRow("after --") << QStringList{"-platform", "xcb", "--", "-display", ":77"} << "xcb"
                                  << "";
        QTest::newRow("without its value") << QStringList{"-display"} << ""
                                           << "";
    }

    void displayOptions()
    {
        QFETCH(QStringList, arguments);
        const CommandLineOptions options = ParseCommandLineOptions(QStringList{"carrelix"} + arguments);
        QCOMPARE(options.action, CommandLineOptions::Run);
        QTEST(options.platform, "platform");
        QTEST(options.display, "display");
    }

    // Answered by the program itself, with no display to start Qt on.
    void answersWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QString help =
            "^Utilisation : carrelix \\[OPTION\\.\\.\\.\\] \\[\\[--\\] FICHIER\\]\n.*--version.*-platform";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "^$";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << help << "^$";
        QTest::newRow("unknown option")
            << QStringList{"-x"} << 2 << "^$"
            << "^carrelix: option inconnue « -x » ; « carrelix --help » en donne la liste\n$";
    }

    void answersWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CARRELIX_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        QFETCH(QString, output);
        QFETCH(QString, error);
        const QRegularExpression::PatternOptions options = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(
            QRegularExpression(output, options).match(QString::fromUtf8(program.readAllStandardOutput())).hasMatch(),
            qPrintable(output));
        QVERIFY2(QRegularExpression(error, options).match(QString::fromUtf8(program.readAllStandardError())).hasMatch(),
                 qPrintable(error));
    }

    void opensFileNamedLikeAnOptionAfterDoubleDash()
    {
        QTemporaryDir files;
        QFile file(files.filePath("-x"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(SampleGridFile()) > 0);
        file.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(files.path());
        AppSession session;
        const bool started = session.Start({"--", "-x"});
        QDir::setCurrent(previous);
        QVERIFY(started);
        QCOMPARE(session.View()->GetDocument()->GetTitle(), QString("-x"));
        QCOMPARE(session.View()->m_grid[8][8], BYTE(9));
        session.Stop();
    }
};

QTEST_MAIN(CommandLine)
#include "tst_commandline.moc"
