// SPDX-License-Identifier: GPL-3.0-or-later

#include "wnd.h"

#include "dialogsurface.h"
#include "framewnd.h"

#include <QApplication>
#include <QWidget>

#include <limits>
#include <unordered_map>

namespace {
// Every window's widget, for finding the window again from a widget Qt hands us.
std::unordered_map<const QWidget*, CWnd*>& PermanentMap()
{
    static std::unordered_map<const QWidget*, CWnd*> map;
    return map;
}

int ParseDialogInt(const QString& text)
{
    int i = 0;
    const int length = text.size();
    while (i < length && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const bool negative = i < length && text[i] == u'-';
    if (negative)
        ++i;
    long long value = 0;
    for (; i < length && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        // A number too long for an int keeps its largest value: no cell reads it as a digit either way.
        value = std::min<long long>(value * 10 + (text[i].unicode() - u'0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(negative ? -value : value);
}

// The dialog that holds the control, if it is one.
DialogSurface* SurfaceOf(const QWidget* control)
{
    return control ? dynamic_cast<DialogSurface*>(control->parentWidget()) : nullptr;
}
} // namespace

CWnd::~CWnd()
{
    Detach();
    delete m_widget;
}

void CWnd::Attach(QWidget* widget, int nID)
{
    Detach();
    m_widget = widget;
    m_pRegistered = widget;
    m_nID = nID;
    PermanentMap()[widget] = this;
}

void CWnd::Detach()
{
    auto& map = PermanentMap();
    if (auto it = map.find(m_pRegistered); it != map.end() && it->second == this)
        map.erase(it);
    m_pRegistered = nullptr;
}

QWidget* CWnd::GetSafeHwnd() const
{
    return m_widget;
}

void CWnd::DestroyWindow()
{
    Detach();
    delete m_widget;
}

void CWnd::ShowWindow(int nCmdShow)
{
    if (m_widget)
        m_widget->setVisible(nCmdShow != SW_HIDE);
}

void CWnd::UpdateWindow()
{
    if (m_widget)
        m_widget->repaint();
}

CWnd* CWnd::FromHandlePermanent(const QWidget* widget)
{
    const auto& map = PermanentMap();
    const auto it = map.find(widget);
    // A widget that Qt destroyed may share its address with a newer one: trust live entries only.
    if (it == map.end() || it->second->m_widget != widget)
        return nullptr;
    return it->second;
}

CWnd* CWnd::GetFocus()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? FromHandlePermanent(focus) : nullptr;
}

void CWnd::SetFocus()
{
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    const BOOL wasDisabled = !IsWindowEnabled();
    if (m_widget)
        m_widget->setEnabled(bEnable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_widget && m_widget->isEnabled();
}

DWORD CWnd::GetStyle() const
{
    const DialogSurface* surface = SurfaceOf(m_widget);
    return surface ? surface->ItemStyle(this) : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd)
{
    DialogSurface* surface = SurfaceOf(m_widget);
    return surface && surface->ModifyItemStyle(this, dwRemove, dwAdd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (QWidget* parent = m_widget ? m_widget->parentWidget() : nullptr; parent; parent = parent->parentWidget()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(parent)))
            return frame;
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return m_pDialogSurface ? m_pDialogSurface->Item(nID) : nullptr;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return m_pDialogSurface ? m_pDialogSurface->NextTabItem(pWndCtl, bPrevious) : nullptr;
}

int CWnd::GetDlgItemInt(int nID) const
{
    return ParseDialogInt(GetDlgItemText(nID));
}

QString CWnd::GetDlgItemText(int nID) const
{
    return m_pDialogSurface ? m_pDialogSurface->ItemText(nID) : QString();
}

void CWnd::SetDlgItemText(int nID, const QString& text)
{
    if (m_pDialogSurface)
        m_pDialogSurface->SetItemText(nID, text);
}

void CWnd::SetDlgItemInt(int nID, int nValue)
{
    SetDlgItemText(nID, QString::number(nValue));
}
