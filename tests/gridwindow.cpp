// SPDX-License-Identifier: GPL-3.0-or-later

#include "gridwindow.h"

#include "carrelixresources.h"
#include "cellids.h"
#include "createcontext.h"
#include "messagebeep.h"
#include "resource.h"
#include "runtimeclass.h"

#include <QApplication>
#include <QTest>

GridWindow::GridWindow(bool prepare)
{
    AfxSetResourceHandle(&CarrelixResources());
    SetMessageBeepHook([this](UINT type) { beeps.push_back(type); });
    CCreateContext context{RUNTIME_CLASS(CNinegridView), nullptr, nullptr};
    if (!m_frame.LoadFrame(IDR_MAINFRAME, &context))
        qFatal("the grid window could not be made");
    m_view = static_cast<CNinegridView*>(m_frame.GetActiveView());
    if (!prepare)
        return;
    m_frame.InitialUpdateFrame(nullptr);
    Frame().show();
    Frame().activateWindow();
    if (!QTest::qWaitForWindowActive(&Frame()))
        qFatal("the grid window did not become active");
}

GridWindow::~GridWindow()
{
    SetMessageBeepHook({});
}

QLineEdit* GridWindow::Cell(int row, int col) const
{
    return m_frame.GetSafeHwnd()->findChild<QLineEdit*>(QString::number(kCellIds[row][col]));
}

int GridWindow::FocusedId() const
{
    const CWnd* focus = CWnd::GetFocus();
    return focus ? focus->GetDlgCtrlID() : -1;
}

void GridWindow::Click(int row, int col) const
{
    QLineEdit* cell = Cell(row, col);
    cell->setFocus(Qt::MouseFocusReason);
    cell->end(false);
}

void GridWindow::Type(const QString& text) const
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
