// SPDX-License-Identifier: GPL-3.0-or-later

// Times what a user does most in Carrelix against the same operation on the toolkit's floor, in
// this process on Qt's offscreen platform: a digit the rules accept, a digit they refuse and a
// space, each typed into a cell and repainted, against a plain QLineEdit (whose focus is moved on
// by hand where Carrelix moves it); Save and Open without their dialogs against plain system calls
// (a save that is safe against a crash: write, fsync, rename). Prints the median of each and its
// ratio to the floor, and the paint events per operation. Files go to a folder made in the current one.
// Usage: opbench [KEYSTROKES]   (saves and opens: a tenth as many)
#include "appsession.h"
#include "floorwindow.h"
#include "gridfile.h"
#include "ninegridview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {
// Counts the paint events that widgets receive.
class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// One operation to time: its samples in nanoseconds, each taken after an untimed `prepare`, with
// `window` active; and the paint events that it caused.
struct Operation
{
    QWidget* window;
    std::function<void()> prepare;
    std::function<void()> timed;
    std::vector<qint64> samples;
    int paints = 0;

    double PaintsPerRun() const { return samples.empty() ? 0 : double(paints) / samples.size(); }

    double MedianMicroseconds()
    {
        std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
        return samples[samples.size() / 2] / 1000.0;
    }
};

void Activate(QWidget* window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("opbench: a window did not become active");
}

// Runs every operation `repeats` times per round, a round of each in turn, so that drift in the
// machine's load falls on the program and the floor alike.
void TakeSamples(std::vector<Operation*> operations, int rounds, int repeats)
{
    QElapsedTimer timer;
    const PaintCounter painted;
    for (int round = 0; round < rounds; ++round) {
        for (Operation* operation : operations) {
            Activate(operation->window);
            for (int i = 0; i < repeats; ++i) {
                operation->prepare();
                QCoreApplication::processEvents(); // what the preparation left to do is not timed
                const int paintsBefore = painted.count;
                timer.start();
                operation->timed();
                operation->samples.push_back(timer.nsecsElapsed());
                operation->paints += painted.count - paintsBefore;
            }
        }
    }
}

// A key typed and all it leaves to do, the repaint included; with `next`, the focus then moves on
// to it, as Carrelix moves it after an accepted digit or a space.
void TypeKey(QWidget* widget, char key, QWidget* next = nullptr)
{
    QTest::keyClick(widget, key);
    if (next)
        next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// A grid block with only this digit at (row, col).
void OneDigitBlock(char block[kGridBlockSize], int row, int col, BYTE digit)
{
    BYTE grid[9][9] = {};
    grid[row][col] = digit;
    BuildGridBlock(grid, block);
}

void WriteSafely(const QByteArray& temporary, const QByteArray& target, const std::string& bytes)
{
    const int fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || fsync(fd) != 0 ||
        close(fd) != 0 || rename(temporary.constData(), target.constData()) != 0)
        qFatal("opbench: the plain save failed");
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    const int keystrokes = std::max(1, argc > 1 ? std::atoi(argv[1]) : 2000);
    const int saves = keystrokes / 10;

    // The program's own lines (a refused digit, a save) go nowhere; the results to the real output.
    std::FILE* results = fdopen(dup(STDOUT_FILENO), "w");
    dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);

    AppSession session;
    if (!session.Start())
        qFatal("opbench: Carrelix did not start");
    CNinegridView* view = session.View();
    QLineEdit* cell = session.Cell(0, 0);
    FloorWindow floor;
    floor.show();
    QLineEdit* plain = floor.Cell(0, 0);

    char empty[kGridBlockSize];
    OneDigitBlock(empty, 0, 0, 0);
    char fiveAtRowEnd[kGridBlockSize];
    OneDigitBlock(fiveAtRowEnd, 0, 8, 5);
    const auto cellIn = [&](const char* block) {
        return [&, block] {
            view->ShowGridBlock(block);
            cell->setFocus();
        };
    };
    const auto plainCell = [&] {
        plain->clear();
        plain->setFocus();
    };

    Operation accepted{session.Window(), cellIn(empty), [&] { TypeKey(cell, '5'); }, {}};
    Operation refused{session.Window(), cellIn(fiveAtRowEnd), [&] { TypeKey(cell, '5'); }, {}};
    Operation space{session.Window(), cellIn(empty), [&] { TypeKey(cell, ' '); }, {}};
    Operation plainDigit{&floor, plainCell, [&] { TypeKey(plain, '5'); }, {}};
    Operation plainDigitOn{&floor, plainCell, [&] { TypeKey(plain, '5', floor.Cell(0, 1)); }, {}};
    Operation plainSpaceOn{&floor, plainCell, [&] { TypeKey(plain, ' ', floor.Cell(0, 1)); }, {}};

    const QTemporaryDir folder(QDir::current().filePath(QStringLiteral("opbench-XXXXXX")));
    const std::string path = folder.filePath(QStringLiteral("grille.txt")).toStdString();
    const QByteArray plainPath = QFile::encodeName(folder.filePath(QStringLiteral("plain.txt")));
    const QByteArray plainTemporary = plainPath + ".tmp";
    const std::string bytes = GridFileBytes(fiveAtRowEnd);
    const auto nothing = [] {};
    Operation save{session.Window(),
                   [&] { view->ShowGridBlock(fiveAtRowEnd); },
                   [&] {
                       char block[kGridBlockSize];
                       BuildGridBlock(view->m_grid, block);
                       SaveGridFile(block, path);
                   },
                   {}};
    Operation plainSave{&floor, nothing, [&] { WriteSafely(plainTemporary, plainPath, bytes); }, {}};
    Operation openGrid{session.Window(),
                       nothing,
                       [&] {
                           char block[kGridBlockSize];
                           if (ReadGridFile(block, path))
                               view->ShowGridBlock(block);
                       },
                       {}};
    // Reading the bytes and putting each cell's character into its line edit.
    Operation plainOpen{&floor,
                        nothing,
                        [&] {
                            char buffer[4096];
                            const int fd = open(plainPath.constData(), O_RDONLY);
                            const ssize_t size = fd < 0 ? -1 : read(fd, buffer, sizeof buffer);
                            if (fd < 0 || size < 202 || close(fd) != 0)
                                qFatal("opbench: the plain open failed");
                            for (int row = 0; row < 9; ++row) {
                                for (int col = 0; col < 9; ++col) {
                                    const char c = buffer[13 + 21 * row + 2 * col];
                                    floor.Cell(row, col)->setText(c >= '1' && c <= '9' ? QString(QChar(c)) : QString());
                                }
                            }
                        },
                        {}};

    constexpr int rounds = 10;
    TakeSamples({&accepted, &plainDigitOn, &refused, &plainDigit, &space, &plainSpaceOn}, rounds,
                std::max(1, keystrokes / rounds));
    TakeSamples({&save, &plainSave, &openGrid, &plainOpen}, rounds, std::max(1, saves / rounds));

    std::fprintf(results, "%-20s %10s %10s %7s %16s\n", "operation", "Carrelix", "floor", "ratio", "paint events");
    const std::pair<const char*, std::pair<Operation*, Operation*>> rows[] = {
        {"accepted digit", {&accepted, &plainDigitOn}},
        {"refused digit", {&refused, &plainDigit}},
        {"space", {&space, &plainSpaceOn}},
        {"Save, no dialog", {&save, &plainSave}},
        {"Open, no dialog", {&openGrid, &plainOpen}}};
    for (const auto& [name, pair] : rows) {
        const double program = pair.first->MedianMicroseconds();
        const double base = pair.second->MedianMicroseconds();
        std::fprintf(results, "%-20s %8.1f µs %7.1f µs  ×%.2f %7.1f / %.1f\n", name, program, base, program / base,
                     pair.first->PaintsPerRun(), pair.second->PaintsPerRun());
    }
    std::fprintf(results, "(median of %d keystrokes and %d saves and opens each)\n", keystrokes, saves);
    std::fclose(results);
    return 0;
}
