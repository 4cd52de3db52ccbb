// SPDX-License-Identifier: GPL-3.0-or-later

#include "cmdui.h"
#include "createcontext.h"
#include "document.h"
#include "formview.h"
#include "framewnd.h"
#include "resources.h"
#include "runtimeclass.h"
#include "toolbar.h"
#include "winapp.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {
constexpr UINT IDR_ROUTING = 910;
// Handled from the view's level up: the view handles only the first, the application all four.
constexpr UINT ID_TO_VIEW = 501;
constexpr UINT ID_TO_DOCUMENT = 502;
constexpr UINT ID_TO_FRAME = 503;
constexpr UINT ID_TO_APP = 504;
// Both handled by the frame, whose update handlers enable the first and disable the second.
constexpr UINT ID_ENABLED = 505;
constexpr UINT ID_DISABLED = 506;

QStringList g_trail; // "level id" of each handler that ran

const DialogTemplate routingForm{
    IDR_ROUTING,
    WS_CHILD | DS_SETFONT | DS_FIXEDSYS,
    0,
    0,
    60,
    20,
    "",
    8,
    "MS Shell Dlg",
    {{"Edit", 10, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 4, 4, 40, 12, ""}},
};
const MenuTemplate routingMenu{IDR_ROUTING,
                               {{"&Essai", 0, 0, {{"&Actif", ID_ENABLED, 0, {}}, {"&Inactif", ID_DISABLED, 0, {}}}}}};
const AcceleratorTable routingKeys{IDR_ROUTING,
                                   {{FVIRTKEY | FCONTROL, 'E', ID_ENABLED}, {FVIRTKEY | FCONTROL, 'D', ID_DISABLED}}};
const char* const routingStrip[] = {"2 1 1 1", "a c #000000", "aa"};
const ToolbarTemplate routingBar{IDR_ROUTING, 1, 1, {ID_ENABLED, ID_DISABLED}, routingStrip};
const ResourceModule routingModule{{&routingForm}, {&routingMenu}, {&routingKeys}, {&routingBar}, {}, {}, nullptr};

class RoutingView : public CFormView
{
public:
    RoutingView() : CFormView(IDR_ROUTING) {}

protected:
    void OnCommand(UINT nID) { g_trail << QStringLiteral("view %1").arg(nID); }

    DECLARE_MESSAGE_MAP()
};

const AFX_MSGMAP* RoutingView::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* RoutingView::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CFormView::GetThisMessageMap,
                                {MapCommandRange(ID_TO_VIEW, ID_TO_VIEW, &RoutingView::OnCommand)}};
    return &map;
}

class RoutingDocument : public CDocument
{
protected:
    void OnCommand(UINT nID) { g_trail << QStringLiteral("document %1").arg(nID); }

    DECLARE_MESSAGE_MAP()
};

const AFX_MSGMAP* RoutingDocument::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* RoutingDocument::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CDocument::GetThisMessageMap,
                                {MapCommandRange(ID_TO_VIEW, ID_TO_DOCUMENT, &RoutingDocument::OnCommand)}};
    return &map;
}

class RoutingFrame : public CFrameWnd
{
protected:
    int OnCreate(CCreateContext* pContext) override
    {
        if (CFrameWnd::OnCreate(pContext) == -1 ||
            !m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, QMargins(), AFX_IDW_TOOLBAR) ||
            !m_toolBar.LoadToolBar(IDR_ROUTING))
            return -1;
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_toolBar);
        return 0;
    }

    void OnCommand(UINT nID) { g_trail << QStringLiteral("frame %1").arg(nID); }
    void OnUpdateEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

    DECLARE_MESSAGE_MAP()

private:
    CToolBar m_toolBar;
};

const AFX_MSGMAP* RoutingFrame::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* RoutingFrame::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CFrameWnd::GetThisMessageMap,
                                {MapCommandRange(ID_TO_VIEW, ID_TO_FRAME, &RoutingFrame::OnCommand),
                                 MapCommandRange(ID_ENABLED, ID_DISABLED, &RoutingFrame::OnCommand),
                                 MapUpdateCommandUI(ID_ENABLED, &RoutingFrame::OnUpdateEnabled),
                                 MapUpdateCommandUI(ID_DISABLED, &RoutingFrame::OnUpdateDisabled)}};
    return &map;
}

class RoutingApp : public CWinApp
{
protected:
    void OnCommand(UINT nID) { g_trail << QStringLiteral("app %1").arg(nID); }

    DECLARE_MESSAGE_MAP()
};

const AFX_MSGMAP* RoutingApp::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* RoutingApp::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&CWinApp::GetThisMessageMap,
                                {MapCommandRange(ID_TO_VIEW, ID_TO_APP, &RoutingApp::OnCommand)}};
    return &map;
}
} // namespace

// Where the framework sends a command, and when it refuses to run one; on classes of our own.
class CommandRouting : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RoutingApp> m_app;
    std::unique_ptr<RoutingDocument> m_document;
    std::unique_ptr<RoutingFrame> m_frame;

    QWidget* Window() const { return m_frame->GetSafeHwnd(); }

private slots:
    void init()
    {
        AfxSetResourceHandle(&routingModule);
        g_trail.clear();
        m_app = std::make_unique<RoutingApp>();
        m_document = std::make_unique<RoutingDocument>();
        m_frame = std::make_unique<RoutingFrame>();
        CCreateContext context{RUNTIME_CLASS(RoutingView), m_document.get(), nullptr};
        QVERIFY(m_frame->LoadFrame(IDR_ROUTING, &context));
        m_frame->InitialUpdateFrame(m_document.get());
        Window()->show();
        Window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window()));
    }

    void cleanup()
    {
        m_frame.reset();
        m_document.reset();
        m_app.reset();
    }

    void commandRunsAtTheFirstLevelThatHandlesIt()
    {
        for (const UINT id : {ID_TO_VIEW, ID_TO_DOCUMENT, ID_TO_FRAME, ID_TO_APP, 599u}) // 599: no level handles it
            m_frame->ExecuteCommand(id);
        QCOMPARE(g_trail, QStringList({"view 501", "document 502", "frame 503", "app 504"}));
    }

    void disabledCommandNeverRuns_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("menu item") << "menu";
        QTest::newRow("toolbar button") << "toolbar";
        QTest::newRow("shortcut key") << "key";
    }

    // Each command is handled, but the update handler of the second disables it.
    void disabledCommandNeverRuns()
    {
        QFETCH(QString, way);
        QMenu* menu = static_cast<QMainWindow*>(Window())->menuBar()->actions().at(0)->menu();
        auto* toolBar = Window()->findChild<QToolBar*>();
        for (const UINT id : {ID_ENABLED, ID_DISABLED}) {
            if (way == "menu") {
                menu->popup(Window()->geometry().center());
                QTRY_VERIFY(menu->isVisible());
                QAction* item = menu->actions().at(id == ID_ENABLED ? 0 : 1);
                QCOMPARE(item->isEnabled(), id == ID_ENABLED);
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
                menu->hide();
            } else if (way == "toolbar") {
                QWidget* button = toolBar->widgetForAction(toolBar->actions().at(id == ID_ENABLED ? 0 : 1));
                QCOMPARE(button->isEnabled(), id == ID_ENABLED);
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                QTest::keyClick(Window(), id == ID_ENABLED ? Qt::Key_E : Qt::Key_D, Qt::ControlModifier);
            }
        }
        QCOMPARE(g_trail, QStringList{"frame 505"});
    }
};

QTEST_MAIN(CommandRouting)
#include "tst_commandrouting.moc"
