// SPDX-License-Identifier: GPL-3.0-or-later

#include "appsession.h"

#include "carrelixresources.h"
#include "cellids.h"
#include "framewnd.h"
#include "messagebeep.h"
#include "messagebox.h"
#include "ninegridview.h"
#include "startupservices.h"
#include "winmain.h"

#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QTest>
#include <QWindow>

AppSession::AppSession()
{
    AfxSetResourceHandle(&CarrelixResources());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    SetMessageBoxHook([this](const QString& text, UINT type) {
        messages.push_back({text, type});
        return (type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDNO : IDOK;
    });
    SetMessageBeepHook([this](UINT) { ++beeps; });
}

AppSession::~AppSession()
{
    Stop();
    SetMessageBoxHook({});
    SetMessageBoxDriver({});
    SetMessageBeepHook({});
    SetOleInitFails(false);
}

bool AppSession::Start(const QStringList& arguments)
{
    QByteArrayList bytes;
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    return StartWithBytes(bytes);
}

bool AppSession::StartWithBytes(const QByteArrayList& arguments)
{
    AfxWinInit(&theApp, QByteArrayList{"carrelix"} + arguments);
    m_running = true;
    if (!theApp.InitInstance())
        return false;
    Window()->activateWindow();
    return QTest::qWaitForWindowActive(Window());
}

void AppSession::Stop()
{
    if (m_running)
        theApp.ExitInstance();
    m_running = false;
}

CFrameWnd* AppSession::Frame() const
{
    return dynamic_cast<CFrameWnd*>(theApp.m_pMainWnd);
}

QMainWindow* AppSession::Window() const
{
    return Frame() ? qobject_cast<QMainWindow*>(Frame()->GetSafeHwnd()) : nullptr;
}

CNinegridView* AppSession::View() const
{
    return Frame() ? dynamic_cast<CNinegridView*>(Frame()->GetActiveView()) : nullptr;
}

QString AppSession::Caption() const
{
    return Window()->windowHandle()->title();
}

QLineEdit* AppSession::Cell(int row, int col) const
{
    return Window()->findChild<QLineEdit*>(QString::number(kCellIds[row][col]));
}
