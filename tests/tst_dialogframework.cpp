// SPDX-License-Identifier: GPL-3.0-or-later

#include "createcontext.h"
#include "dialogsurface.h"
#include "dialogunits.h"
#include "formview.h"
#include "framewnd.h"
#include "resources.h"
#include "runtimeclass.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <climits>
#include <cmath>

namespace {
constexpr UINT IDD_TEST_FORM = 900;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

// Six edits: 11 is hidden, 12 disabled and 13 no tab stop, so tabbing goes 10, 14, 15, 10, ...
const DialogTemplate testForm{
    IDD_TEST_FORM,
    WS_CHILD | DS_SETFONT | DS_FIXEDSYS,
    0,
    0,
    100,
    60,
    "",
    8,
    "MS Shell Dlg",
    {
        {"Edit", 10, kEdit, 4, 4, 40, 12, ""},
        {"Edit", 11, kEdit & ~WS_VISIBLE, 4, 20, 40, 12, ""},
        {"Edit", 12, kEdit | WS_DISABLED, 4, 36, 40, 12, ""},
        {"Edit", 13, kEdit & ~WS_TABSTOP, 50, 4, 40, 12, "start"},
        {"Edit", 14, kEdit, 50, 20, 40, 12, ""},
        {"Edit", 15, kEdit, 50, 36, 40, 12, ""},
    },
};
const ResourceModule testModule{{&testForm}, {}, {}, {}, {}, {}, nullptr};

// Records which handler each notification reached.
class BaseView : public CFormView
{
public:
    BaseView() : CFormView(IDD_TEST_FORM) {}
    QStringList trail;

protected:
    void OnBaseChange(UINT nID) { trail << QStringLiteral("base %1").arg(nID); }

    DECLARE_MESSAGE_MAP()
};

const AFX_MSGMAP* BaseView::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* BaseView::GetThisMessageMap()
{
    static const AFX_MSGMAP map{
        &CFormView::GetThisMessageMap,
        {MapNotify(EN_CHANGE, 14, &BaseView::OnBaseChange), MapNotify(EN_CHANGE, 15, &BaseView::OnBaseChange)}};
    return &map;
}

class DerivedView : public BaseView
{
protected:
    void OnDerivedChange(UINT nID) { trail << QStringLiteral("derived %1").arg(nID); }
    void OnTenChange() { trail << QStringLiteral("ten"); }

    DECLARE_MESSAGE_MAP()
};

const AFX_MSGMAP* DerivedView::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* DerivedView::GetThisMessageMap()
{
    static const AFX_MSGMAP map{&BaseView::GetThisMessageMap,
                                {MapNotify(EN_CHANGE, 15, &DerivedView::OnDerivedChange),
                                 {EN_CHANGE, 10, 10, static_cast<AFX_PMSG>(&DerivedView::OnTenChange)}}};
    return &map;
}
} // namespace

// The framework's form view and dialog-item operations on a form of our own.
class DialogFramework : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CFrameWnd> m_frame;
    DerivedView* m_view = nullptr;

    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(m_view->GetDlgItem(id)->GetSafeHwnd()); }

private slots:
    void init()
    {
        AfxSetResourceHandle(&testModule);
        m_frame = std::make_unique<CFrameWnd>();
        CCreateContext context{RUNTIME_CLASS(DerivedView), nullptr, nullptr};
        QVERIFY(m_frame->LoadFrame(IDD_TEST_FORM, &context));
        m_view = static_cast<DerivedView*>(m_frame->GetActiveView());
        QVERIFY(m_view);
    }

    void cleanup() { m_frame.reset(); }

    void viewWithoutTemplateIsNotCreated()
    {
        AfxSetResourceHandle(nullptr);
        CFrameWnd frame;
        CCreateContext context{RUNTIME_CLASS(DerivedView), nullptr, nullptr};
        QVERIFY(!frame.LoadFrame(IDD_TEST_FORM, &context));
        QVERIFY(!frame.GetActiveView());
        QVERIFY(!frame.GetSafeHwnd());
    }

    void notificationsRunFirstHandlerFromDerivedToBase()
    {
        for (const int id : {10, 11, 13, 14, 15})
            Edit(id)->insert("x");
        QCOMPARE(m_view->trail, QStringList({"ten", "base 14", "derived 15"}));
        QVERIFY(!m_view->OnCmdMsg(13, EN_CHANGE));
        QVERIFY(!m_view->OnCmdMsg(15, CN_COMMAND));
    }

    void setDlgItemTextNotifiesOnceEvenForSameText()
    {
        m_view->SetDlgItemText(14, "");
        m_view->SetDlgItemText(14, "a");
        m_view->SetDlgItemInt(15, -42);
        m_view->SetDlgItemText(99, "nobody"); // no such control
        QCOMPARE(m_view->trail, QStringList({"base 14", "base 14", "derived 15"}));
        QCOMPARE(Edit(14)->text(), QString("a"));
        QCOMPARE(m_view->GetDlgItemText(15), QString("-42"));
        QCOMPARE(m_view->GetDlgItemText(13), QString("start"));
        QCOMPARE(m_view->GetDlgItemText(99), QString());
        QVERIFY(!m_view->GetDlgItem(99));
    }

    void nextTabItemSkipsHiddenDisabledAndNonTabStops_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<int>("to");
        QTest::newRow("forward") << 10 << false << 14;
        QTest::newRow("wraps to first") << 15 << false << 10;
        QTest::newRow("from a non-tab-stop") << 13 << false << 14;
        QTest::newRow("backward") << 14 << true << 10;
        QTest::newRow("backward wraps to last") << 10 << true << 15;
    }

    void nextTabItemSkipsHiddenDisabledAndNonTabStops()
    {
        QFETCH(int, from);
        QFETCH(bool, previous);
        QFETCH(int, to);
        const CWnd* next = m_view->GetNextDlgTabItem(m_view->GetDlgItem(from), previous);
        QVERIFY(next);
        QCOMPARE(next->GetDlgCtrlID(), to);
    }

    void onlyTabStopIsItsOwnSuccessor()
    {
        delete Edit(14);
        delete Edit(15);
        QCOMPARE(m_view->GetNextDlgTabItem(m_view->GetDlgItem(10))->GetDlgCtrlID(), 10);
    }

    // The nearest pixel of n base/4 across and n base/8 down, the bases measured on the font here.
    void dialogUnitsRoundToTheNearestPixel_data()
    {
        QTest::addColumn<int>("pointSize");
        for (const int size : {7, 8, 9, 10, 11, 13, 16})
            QTest::addRow("%d pt", size) << size;
    }

    void dialogUnitsRoundToTheNearestPixel()
    {
        QFETCH(int, pointSize);
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        const QFontMetrics metrics(font);
        const double letters =
            metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        const double baseX = std::floor(letters / 52 + 0.5);
        const double baseY = metrics.height();
        const DialogUnits units(font);
        for (int n = 0; n <= 200; ++n) {
            QCOMPARE(units.ToPixelsX(n), int(std::floor(n * baseX / 4 + 0.5)));
            QCOMPARE(units.ToPixelsY(n), int(std::floor(n * baseY / 8 + 0.5)));
        }
    }

    void dlgItemIntReadsLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("digit") << "7" << 7;
        QTest::newRow("blanks first") << " \t 7" << 7;
        QTest::newRow("leading zero") << "05" << 5;
        QTest::newRow("two digits") << "12" << 12;
        QTest::newRow("minus") << "-3" << -3;
        QTest::newRow("digit then text") << "7 a" << 7;
        QTest::newRow("letter first") << "a7" << 0;
        QTest::newRow("blanks only") << "  " << 0;
        QTest::newRow("minus alone") << "-" << 0;
        QTest::newRow("blank after minus") << "- 3" << 0;
        QTest::newRow("plus") << "+3" << 0;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\uFF17") << 0;
        QTest::newRow("too long") << "123456789012345678901234567890" << INT_MAX;
        QTest::newRow("too long negative") << "-123456789012345678901234567890" << -INT_MAX;
    }

    void dlgItemIntReadsLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        Edit(13)->setText(text);
        QCOMPARE(m_view->GetDlgItemInt(13), value);
    }
};

QTEST_MAIN(DialogFramework)
#include "tst_dialogframework.moc"
