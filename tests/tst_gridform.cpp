// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellids.h"
#include "dialogunits.h"
#include "gridwindow.h"
#include "stdoutcapture.h"

#include <QApplication>
#include <QPalette>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {
// The usual contrast ratio of two colours on screen: 1 for equal colours, 21 for black on white.
double Contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double x = v / 255.0;
            return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A scheme given by its window, view (base), text and selection colours, the other shades derived
// from them as Qt derives them.
QPalette SchemePalette(QColor window, QColor base, QColor text, QColor highlight)
{
    QPalette palette(window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

QPalette BreezeDark()
{
    return SchemePalette(QColor(0x31363b), QColor(0x232629), QColor(0xeff0f1), QColor(0x3daee9));
}
} // namespace

// The form of 81 cells, its cell map and what each initial update does to it.
class GridForm : public QObject
{
    Q_OBJECT

private:
    static QScrollArea* Area(const GridWindow& window)
    {
        return static_cast<QScrollArea*>(window.View().GetSafeHwnd());
    }

    static bool ShowsWholeForm(const GridWindow& window)
    {
        const QScrollArea* area = Area(window);
        return area->viewport()->size() == area->widget()->size();
    }

    // Tells of every paint event that reaches an object of the application.
    class PaintWatch : public QObject
    {
    public:
        explicit PaintWatch(std::function<void(QObject*)> onPaint) : m_onPaint(std::move(onPaint))
        {
            qApp->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                m_onPaint(watched);
            return false;
        }

    private:
        std::function<void(QObject*)> m_onPaint;
    };

private slots:
    void firstInitialUpdateMapsCellsInTabOrder()
    {
        const GridWindow window;
        const CNinegridView& view = window.View();
        QVERIFY(view.m_bCellIdsBuilt);
        QCOMPARE(std::memcmp(view.m_cellIds, kCellIds, sizeof kCellIds), 0);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                QCOMPARE(view.m_grid[row][col], BYTE(0));
                QCOMPARE(window.Cell(row, col)->text(), QString());
            }
        }
    }

    // The form's font is the template's 8 points, or the desktop's size when that is larger.
    void cellsStandWhereTheFormPutsThem_data()
    {
        QTest::addColumn<int>("desktopPoints");
        QTest::addColumn<int>("formPoints");
        QTest::newRow("6 pt desktop") << 6 << 8;
        QTest::newRow("16 pt desktop") << 16 << 16;
    }

    void cellsStandWhereTheFormPutsThem()
    {
        QFETCH(int, desktopPoints);
        QFETCH(int, formPoints);
        const QFont before = QApplication::font();
        QFont desktop = before;
        desktop.setPointSize(desktopPoints);
        QApplication::setFont(desktop);
        const GridWindow window;
        QApplication::setFont(before);
        const QWidget* form = Area(window)->widget();
        const DialogUnits units(form->font());
        QCOMPARE(form->size(), units.ToPixels(0, 0, 200, 188).size());
        QCOMPARE(form->font().pointSize(), formPoints);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                const QLineEdit* cell = window.Cell(row, col);
                const int x = 18 + 17 * col + 3 * (col / 3);
                const int y = 12 + 17 * row + 3 * (row / 3);
                QCOMPARE(cell->geometry(), units.ToPixels(x, y, 18, 18));
                QCOMPARE(cell->alignment(), Qt::AlignCenter);
                QVERIFY(cell->hasFrame());
                QVERIFY(cell->isVisible());
                QCOMPARE(cell->maxLength(), std::numeric_limits<int>::max());
            }
        }
    }

    void bordersStandOutUnderEachScheme_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("fromBreezeDark"); // the form drawn under Breeze Dark, then the scheme changed
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        const QPalette breeze = BreezeDark();
        // As the GTK platform theme reads Adwaita dark.
        QPalette adwaita = SchemePalette(QColor(0x323232), QColor(0x242424), QColor(0xf0f0f0), QColor(0x308cc6));
        adwaita.setColor(QPalette::Light, QColor(0x4b4b4b));
        adwaita.setColor(QPalette::Midlight, QColor(0x2a2a2a));
        adwaita.setColor(QPalette::Dark, QColor(0x212121));
        adwaita.setColor(QPalette::Mid, QColor(0x262626));
        adwaita.setColor(QPalette::Shadow, QColor(0x191919));
        // Black with near-black shades, and the grey window of the classic scheme around white cells.
        QPalette highContrast = SchemePalette(Qt::black, Qt::black, Qt::white, QColor(0x1aebff));
        highContrast.setColor(QPalette::Midlight, QColor(0x1a1a1a));
        highContrast.setColor(QPalette::Light, QColor(0x333333));
        const QPalette classic = SchemePalette(QColor(0xd4d0c8), Qt::white, Qt::black, QColor(0x0a246a));
        for (const double scale : {1.0, 1.5, 2.0}) {
            QTest::addRow("light Fusion at %g", scale) << fusion->standardPalette() << scale << false;
            QTest::addRow("Breeze Dark at %g", scale) << breeze << scale << false;
            QTest::addRow("Adwaita dark at %g", scale) << adwaita << scale << false;
        }
        QTest::newRow("black high contrast") << highContrast << 1.0 << false;
        QTest::newRow("grey window, white cells") << classic << 1.0 << false;
        QTest::newRow("light Fusion after Breeze Dark") << fusion->standardPalette() << 1.0 << true;
    }

    // Reads the form as drawn at the scale: the border of a cell against the cell's inside and against
    // the window around it (the gap between boxes), and the focused cell's inner border against its inside.
    void bordersStandOutUnderEachScheme()
    {
        QFETCH(QPalette, palette);
        QFETCH(double, scale);
        QFETCH(bool, fromBreezeDark);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        QApplication::setPalette(fromBreezeDark ? BreezeDark() : palette);
        const GridWindow window;
        QWidget* form = Area(window)->widget();
        QImage image(form->size() * scale, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        form->render(&image);
        if (fromBreezeDark) {
            QApplication::setPalette(palette);
            QTRY_COMPARE(window.Cell(4, 2)->palette().color(QPalette::Base), palette.color(QPalette::Base));
            form->render(&image);
        }
        const auto at = [&](double x, double y) { return image.pixel(int(x * scale), int(y * scale)); };

        QCOMPARE(window.FocusedId(), int(kCellIds[0][0]));
        const QRect focused = window.Cell(0, 0)->geometry();
        const QRect cell = window.Cell(4, 2)->geometry(); // its right border faces the gap to the next box
        const double y = cell.center().y();
        const QRgb border = image.pixel(qRound((cell.x() + cell.width()) * scale) - 1, int(y * scale));
        const QRgb inside = at(cell.center().x(), y);
        const QRgb gap = at(cell.right() + 2, y);
        QVERIFY2(Contrast(border, inside) >= 3.0, qPrintable(QString::number(Contrast(border, inside))));
        QVERIFY2(Contrast(border, gap) >= 3.0, qPrintable(QString::number(Contrast(border, gap))));
        const QRgb ring = at(focused.left() + 1.5, focused.center().y());
        QVERIFY2(Contrast(ring, inside) >= 3.0, qPrintable(QString::number(Contrast(ring, inside))));
    }

    void tabVisitsCellsRowByRowAndWraps()
    {
        const GridWindow window;
        for (int k = 1; k <= 81; ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(window.FocusedId(), int(kCellIds[k % 81 / 9][k % 9]));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(window.FocusedId(), int(kCellIds[8][8]));
    }

    // Neighbouring cells share their border lines; a typed digit repaints its cell and the next one only.
    void digitRepaintsOnlyTheCellsItChanges()
    {
        const GridWindow window;
        window.Click(4, 4);
        QCoreApplication::processEvents();
        std::map<QObject*, int> painted;
        const PaintWatch watch([&](QObject* object) { ++painted[object]; });
        window.Type("5");
        QCoreApplication::processEvents();
        QCOMPARE(window.FocusedId(), int(kCellIds[4][5]));
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                const bool changed = row == 4 && (col == 4 || col == 5);
                QVERIFY2(painted.count(window.Cell(row, col)) == changed,
                         qPrintable(QStringLiteral("cell %1, %2").arg(row).arg(col)));
            }
        }
    }

    void laterInitialUpdateClearsGridQuietly()
    {
        GridWindow window;
        window.Click(0, 0);
        window.Type("123");
        window.Click(8, 8);
        window.Type("9");
        window.Click(5, 4);
        window.beeps.clear();
        const StdoutCapture out;

        window.View().OnInitialUpdate();
        QCOMPARE(std::memcmp(window.View().m_cellIds, kCellIds, sizeof kCellIds), 0);
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 9; ++col) {
                QCOMPARE(window.View().m_grid[row][col], BYTE(0));
                QCOMPARE(window.Cell(row, col)->text(), QString());
            }
        }
        QCOMPARE(window.FocusedId(), int(kCellIds[5][4]));
        QVERIFY(window.beeps.empty());
        QCOMPARE(out.Bytes(), QByteArray());
        window.Type("1"); // the grid takes keys again
        QCOMPARE(window.View().m_grid[5][4], BYTE(1));
        QCOMPARE(window.FocusedId(), int(kCellIds[5][5]));
    }

    void formWithoutFirstControlMapsOnlyItsId()
    {
        GridWindow window(false);
        delete window.Cell(0, 0);
        window.View().OnInitialUpdate();
        const CNinegridView& view = window.View();
        QVERIFY(view.m_bCellIdsBuilt);
        QCOMPARE(view.m_cellIds[0][0], 1000u);
        for (int k = 1; k < 81; ++k)
            QCOMPARE(view.m_cellIds[k / 9][k % 9], kNoCell);

        window.View().m_grid[3][3] = 4;
        window.Cell(3, 3)->setText("4"); // no cell of the map: refused silently and emptied
        QCOMPARE(window.Cell(3, 3)->text(), QString());
        g_bSuppressCellChange = true;
        window.Cell(3, 3)->setText("4");
        g_bSuppressCellChange = false;
        window.View().OnInitialUpdate();
        QCOMPARE(window.View().m_grid[3][3], BYTE(0));
        QCOMPARE(window.Cell(3, 3)->text(), QString("4")); // the clearing writes only mapped cells
        QVERIFY(window.beeps.empty());
    }

    void initialUpdateShrinksLargeFrameToForm()
    {
        GridWindow window;
        QVERIFY(ShowsWholeForm(window));
        QVERIFY(!Area(window)->verticalScrollBar()->isVisible());
        const QSize fitted = window.Frame().size();

        window.Frame().resize(fitted + QSize(150, 100));
        QTRY_COMPARE(Area(window)->viewport()->width(), Area(window)->widget()->width() + 150);
        window.View().OnInitialUpdate();
        QCOMPARE(window.Frame().size(), fitted);
        QTRY_VERIFY(ShowsWholeForm(window));
    }

    void initialUpdateKeepsSmallFrameWhichScrolls()
    {
        GridWindow window;
        const QSize small = window.Frame().size() - QSize(0, 120);
        window.Frame().resize(small);
        window.View().OnInitialUpdate();
        QCOMPARE(window.Frame().size(), small);
        QTRY_VERIFY(Area(window)->verticalScrollBar()->isVisible());

        window.Click(8, 0); // a focused cell is scrolled into sight
        const QRect cell(window.Cell(8, 0)->mapTo(Area(window)->viewport(), QPoint()), window.Cell(8, 0)->size());
        QVERIFY(Area(window)->viewport()->rect().contains(cell));
    }
};

QTEST_MAIN(GridForm)
#include "tst_gridform.moc"
