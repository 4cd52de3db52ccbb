// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"
#include "controlbar.h"
#include "framewnd.h"
#include "ninegridview.h"
#include "resource.h"
#include "toolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {
// A mouse event at a place on the screen, to the widget the pointer was pressed on, as Qt sends it.
void Send(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local = widget->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses the left button on the widget at from, moves in steps to to and lets go there; events are
// handled in between, as the user's are.
void Drag(QWidget* widget, QPoint from, QPoint to)
{
    Send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step) {
        QCoreApplication::processEvents();
        Send(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::NoButton, Qt::LeftButton);
    }
    Send(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QCoreApplication::processEvents();
}

// The command buttons in the bar's order, each as the one button the user sees for it: shown, inside
// the bar and not covered; a command with none, or with more than one, has an empty place.
QList<QRect> Places(QToolBar* bar)
{
    QList<QRect> places;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        QList<QRect> seen;
        for (const QToolButton* button : bar->findChildren<QToolButton*>()) {
            const QRect place(button->mapTo(bar, QPoint(0, 0)), button->size());
            if (button->defaultAction() == action && button->isVisible() && bar->rect().contains(place) &&
                bar->childAt(place.center()) == button)
                seen << place;
        }
        places << (seen.size() == 1 ? seen.first() : QRect());
    }
    return places;
}

bool AllSeen(const QList<QRect>& places)
{
    return std::none_of(places.begin(), places.end(), [](const QRect& place) { return place.isNull(); });
}

// Left to right along each row, the rows from top to bottom.
bool InReadingOrder(const QList<QRect>& places)
{
    for (qsizetype i = 1; i < places.size(); ++i) {
        const QRect &before = places[i - 1], &after = places[i];
        const bool sameRow = after.top() == before.top() && after.left() > before.right();
        if (!sameRow && after.top() <= before.bottom())
            return false;
    }
    return true;
}

int Rows(const QList<QRect>& places)
{
    QSet<int> tops;
    for (const QRect& place : places)
        tops << place.top();
    return static_cast<int>(tops.size());
}

int Columns(const QList<QRect>& places)
{
    QSet<int> lefts;
    for (const QRect& place : places)
        lefts << place.left();
    return static_cast<int>(lefts.size());
}

// A point on the bar's gripper: before its first button, along the bar.
QPoint Gripper(QToolBar* bar)
{
    const QRect first = Places(bar).first();
    return bar->mapToGlobal(bar->orientation() == Qt::Horizontal ? QPoint(first.left() / 2, bar->height() / 2)
                                                                 : QPoint(bar->width() / 2, first.top() / 2));
}

// Drags the bar by its gripper away from the frame, below and right of it.
bool Float(QToolBar* bar)
{
    Drag(bar, Gripper(bar), bar->window()->frameGeometry().bottomRight() + QPoint(80, 80));
    return bar->isFloating();
}

// The pointer's shape where it rests on the bar.
Qt::CursorShape CursorAt(QToolBar* bar, QPoint at)
{
    QWidget* under = bar->childAt(at) ? bar->childAt(at) : bar;
    Send(under, QEvent::MouseMove, bar->mapToGlobal(at), Qt::NoButton, Qt::NoButton);
    return under->cursor().shape();
}

// Drags the floating bar's right edge, bottom edge or corner by the given distance.
void DragEdge(QToolBar* bar, Qt::Edges edges, QPoint by)
{
    const QPoint at(edges & Qt::RightEdge ? bar->width() - 2 : bar->width() / 2,
                    edges & Qt::BottomEdge ? bar->height() - 2 : bar->height() / 2);
    QWidget* edge = bar->childAt(at);
    Drag(edge ? edge : bar, bar->mapToGlobal(at), bar->mapToGlobal(at) + by);
}
} // namespace

// The toolbar that floats away from the frame's edges can be reshaped into rows of buttons.
class ToolBarTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppSession> m_session;

    AppSession& S() { return *m_session; }
    QToolBar* ToolBar() { return S().Window()->findChild<QToolBar*>("59392"); }

private slots:
    void init()
    {
        m_session = std::make_unique<AppSession>();
        QVERIFY(m_session->Start());
    }
    void cleanup() { m_session.reset(); }

    void floatingBarWrapsIntoMoreRowsAsItNarrows()
    {
        QToolBar* bar = ToolBar();
        QVERIFY(Float(bar));
        QList<QRect> places = Places(bar);
        QCOMPARE(places.size(), 8);
        QVERIFY(AllSeen(places));
        QCOMPARE(Rows(places), 1);
        const QSize oneRow = bar->size();

        int rows = 1;
        for (const int width : {oneRow.width() * 3 / 4, oneRow.width() / 2, oneRow.width() / 4, 1}) {
            DragEdge(bar, Qt::RightEdge, QPoint(width - bar->width(), 0));
            places = Places(bar);
            QVERIFY(AllSeen(places));
            QVERIFY(InReadingOrder(places));
            QVERIFY(Rows(places) > 1);
            QVERIFY(Rows(places) >= rows);
            rows = Rows(places);
            QVERIFY(bar->width() < oneRow.width());
            QVERIFY(bar->height() > oneRow.height());
        }
        QCOMPARE(Columns(places), 1);

        // Wider again, the buttons flow back into fewer rows, then one.
        DragEdge(bar, Qt::RightEdge, QPoint(oneRow.width() / 2, 0));
        places = Places(bar);
        QVERIFY(AllSeen(places));
        QVERIFY(InReadingOrder(places));
        QVERIFY(Rows(places) > 1 && Rows(places) < 8);
        DragEdge(bar, Qt::RightEdge, QPoint(oneRow.width(), 0));
        QCOMPARE(Rows(Places(bar)), 1);
        QVERIFY(AllSeen(Places(bar)));
        QCOMPARE(bar->size(), oneRow);
    }

    void bottomEdgeAndCornerAddAndRemoveRows()
    {
        QToolBar* bar = ToolBar();
        QVERIFY(Float(bar));
        const QSize oneRow = bar->size();
        const int rowHeight = Places(bar).first().height();
        const int right = bar->width() - 2, bottom = bar->height() - 2;
        QCOMPARE(CursorAt(bar, QPoint(right, bar->height() / 2)), Qt::SizeHorCursor);
        QCOMPARE(CursorAt(bar, QPoint(bar->width() / 2, bottom)), Qt::SizeVerCursor);
        QCOMPARE(CursorAt(bar, QPoint(right, bottom)), Qt::SizeFDiagCursor);
        QCOMPARE(CursorAt(bar, Places(bar).first().center()), Qt::ArrowCursor);

        DragEdge(bar, Qt::BottomEdge, QPoint(0, 2 * rowHeight + 2));
        QList<QRect> places = Places(bar);
        QVERIFY(AllSeen(places));
        QVERIFY(InReadingOrder(places));
        QCOMPARE(Rows(places), 3);
        QVERIFY(bar->width() < oneRow.width());

        DragEdge(bar, Qt::BottomEdge, QPoint(0, -rowHeight - 1));
        QCOMPARE(Rows(Places(bar)), 2);
        QVERIFY(AllSeen(Places(bar)));

        // The corner follows the pointer's larger move: here across, to a column.
        DragEdge(bar, Qt::RightEdge | Qt::BottomEdge, QPoint(-bar->width(), 10));
        QCOMPARE(Columns(Places(bar)), 1);
        QCOMPARE(Rows(Places(bar)), 8);
        DragEdge(bar, Qt::RightEdge | Qt::BottomEdge, QPoint(5, -bar->height()));
        QCOMPARE(Rows(Places(bar)), 1);
        QCOMPARE(bar->size(), oneRow);
    }

    void dockedAgainTheBarIsOneLine_data()
    {
        QTest::addColumn<Qt::ToolBarArea>("area");
        QTest::newRow("top") << Qt::TopToolBarArea;
        QTest::newRow("left") << Qt::LeftToolBarArea;
        QTest::newRow("bottom") << Qt::BottomToolBarArea;
        QTest::newRow("right") << Qt::RightToolBarArea;
    }

    void dockedAgainTheBarIsOneLine()
    {
        QFETCH(Qt::ToolBarArea, area);
        QToolBar* bar = ToolBar();
        const int docked = bar->height();
        QVERIFY(Float(bar));
        const QSize oneRow = bar->size();
        DragEdge(bar, Qt::RightEdge, QPoint(-bar->width() / 2, 0));
        QVERIFY(Rows(Places(bar)) > 1);

        // Dropped by its gripper just inside the frame's edge.
        const QRect frame(S().Window()->mapToGlobal(QPoint(0, 0)), S().Window()->size());
        const QRect client(S().Window()->centralWidget()->mapToGlobal(QPoint(0, 0)),
                           S().Window()->centralWidget()->size());
        const QPoint drop = area == Qt::TopToolBarArea      ? QPoint(client.center().x(), client.top() + 2)
                            : area == Qt::BottomToolBarArea ? QPoint(client.center().x(), client.bottom() - 2)
                            : area == Qt::LeftToolBarArea   ? QPoint(frame.left() + 2, client.center().y())
                                                            : QPoint(frame.right() - 2, client.center().y());
        Drag(bar, Gripper(bar), drop);
        // Docking is animated.
        QTRY_VERIFY(!bar->isFloating());
        QCOMPARE(S().Window()->toolBarArea(bar), area);

        const QList<QRect> places = Places(bar);
        QCOMPARE(places.size(), 8);
        QVERIFY(AllSeen(places));
        QVERIFY(InReadingOrder(places));
        const bool horizontal = area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
        QCOMPARE(horizontal ? Rows(places) : Columns(places), 1);
        QCOMPARE(horizontal ? bar->height() : bar->width(), horizontal ? docked : bar->sizeHint().width());
        // The buttons seen are the bar's own again.
        qsizetype i = 0;
        for (QAction* action : bar->actions()) {
            if (!action->isSeparator())
                QCOMPARE(bar->widgetForAction(action)->geometry(), places[i++]);
        }

        // Away again, it floats as one row, as long as it was.
        QVERIFY(Float(bar));
        QCOMPARE(Rows(Places(bar)), 1);
        QVERIFY(AllSeen(Places(bar)));
        QCOMPARE(bar->size(), oneRow);
    }

    void floatingBarKeepsItsShapeMovedHiddenAndShown()
    {
        QToolBar* bar = ToolBar();
        QVERIFY(Float(bar));
        DragEdge(bar, Qt::RightEdge, QPoint(-bar->width() / 2, 0));
        const QSize shape = bar->size();
        const QList<QRect> places = Places(bar);
        QVERIFY(Rows(places) > 1);

        // Further away from the frame by its gripper.
        const QPoint topLeft = bar->pos();
        Drag(bar, Gripper(bar), Gripper(bar) + QPoint(60, 40));
        QVERIFY(bar->isFloating());
        QCOMPARE(bar->pos(), topLeft + QPoint(60, 40));
        QCOMPARE(bar->size(), shape);
        QCOMPARE(Places(bar), places);

        // Hidden and shown again from the View menu.
        S().Frame()->ExecuteCommand(ID_VIEW_TOOLBAR);
        QVERIFY(!bar->isVisible());
        S().Frame()->ExecuteCommand(ID_VIEW_TOOLBAR);
        QVERIFY(bar->isVisible() && bar->isFloating());
        QCOMPARE(bar->size(), shape);
        QCOMPARE(Places(bar), places);
    }

    void floatingButtonsWorkAsTheBarsOwn()
    {
        QToolBar* bar = ToolBar();
        QVERIFY(Float(bar));
        DragEdge(bar, Qt::RightEdge, QPoint(-bar->width() / 2, 0));
        QVERIFY(Rows(Places(bar)) > 1);
        const auto seen = [bar](UINT id) {
            QAction* action = bar->findChild<QAction*>(QString::number(id));
            for (QToolButton* button : bar->findChildren<QToolButton*>()) {
                if (button->defaultAction() == action &&
                    bar->childAt(button->mapTo(bar, button->rect().center())) == button)
                    return button;
            }
            return static_cast<QToolButton*>(nullptr);
        };
        QGuiApplication::clipboard()->clear();
        QVERIFY(seen(ID_FILE_NEW) && seen(ID_EDIT_PASTE));
        QVERIFY(seen(ID_FILE_NEW)->isEnabled());
        QVERIFY(!seen(ID_EDIT_PASTE)->isEnabled());
        QCOMPARE(seen(ID_EDIT_PASTE)->toolTip(), QString("Coller"));
        QVERIFY(!seen(ID_FILE_NEW)->icon().isNull());

        // Its prompt reaches the frame's status bar, although the floating bar is a window of its own.
        QStatusBar* status = S().Window()->statusBar();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(seen(ID_FILE_NEW), &enter);
        QCOMPARE(status->currentMessage(), QString("Crée un nouveau document"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(seen(ID_FILE_NEW), &leave);
        QCOMPARE(status->currentMessage(), QString("Prêt"));

        // Clicked, it runs its command.
        QTest::keyClicks(S().Cell(2, 2), "7");
        QCOMPARE(S().View()->m_grid[2][2], BYTE(7));
        QTest::mouseClick(seen(ID_FILE_NEW), Qt::LeftButton);
        QCOMPARE(S().View()->m_grid[2][2], BYTE(0));
    }

    void floatingButtonsFollowTheBarsActions()
    {
        QToolBar* bar = ToolBar();
        QVERIFY(Float(bar));
        DragEdge(bar, Qt::RightEdge, QPoint(-bar->width() / 3, 0));
        const int rows = Rows(Places(bar));
        QVERIFY(rows > 1);

        QAction* cut = bar->findChild<QAction*>(QString::number(ID_EDIT_CUT));
        cut->setVisible(false);
        QCOMPARE(Places(bar).size(), 7);
        QVERIFY(AllSeen(Places(bar)));
        QVERIFY(InReadingOrder(Places(bar)));
        cut->setVisible(true);
        QCOMPARE(Places(bar).size(), 8);
        QVERIFY(AllSeen(Places(bar)));
        QCOMPARE(Rows(Places(bar)), rows);

        auto* added = new QAction(bar->actions().first()->icon(), "ajout", bar);
        bar->addAction(added);
        QTRY_COMPARE(Places(bar).size(), 9);
        QTRY_VERIFY(AllSeen(Places(bar)));
        QVERIFY(InReadingOrder(Places(bar)));
        delete added;
        QTRY_COMPARE(Places(bar).size(), 8);
        QVERIFY(AllSeen(Places(bar)));
    }

    void barWithoutSizeDynamicKeepsItsRow()
    {
        auto plain = std::make_unique<CToolBar>();
        QVERIFY(plain->CreateEx(S().Frame(), TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM | CBRS_GRIPPER,
                                QMargins(0, 0, 0, 0), AFX_IDW_TOOLBAR + 4));
        QVERIFY(plain->LoadToolBar(IDR_MAINFRAME));
        plain->EnableDocking(CBRS_ALIGN_ANY);
        S().Frame()->DockControlBar(plain.get());
        auto* bar = static_cast<QToolBar*>(plain->GetSafeHwnd());
        QTRY_VERIFY(AllSeen(Places(bar)));

        QVERIFY(Float(bar));
        const QSize oneRow = bar->size();
        QCOMPARE(Rows(Places(bar)), 1);
        DragEdge(bar, Qt::RightEdge, QPoint(-bar->width() / 2, 0));
        DragEdge(bar, Qt::BottomEdge, QPoint(0, 3 * oneRow.height()));
        QCOMPARE(bar->size(), oneRow);
        QCOMPARE(Rows(Places(bar)), 1);
        QVERIFY(AllSeen(Places(bar)));
    }
};

QTEST_MAIN(ToolBarTest)
#include "tst_toolbar.moc"
