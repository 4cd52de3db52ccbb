// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogsurface.h"

#include "borderededit.h"
#include "dialogunits.h"
#include "inputmethodedit.h"
#include "wnd.h"

#include "icon.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegion>
#include <QSignalBlocker>

#include <cstring>
#include <limits>

namespace {
// The template's font: the desktop's interface font at the template's size, or at the desktop's
// own size when that is larger, so that a large desktop font makes the whole form larger: the
// dialog units, and with them every control, follow the font.
QFont TemplateFont(const DialogTemplate& dialogTemplate)
{
    QFont font = QApplication::font();
    if (font.pointSize() < dialogTemplate.pointSize)
        font.setPointSize(dialogTemplate.pointSize);
    return font;
}

// What a control's style says of its state: Tab reaches only tab stops, though a click still gives
// the focus to any control that takes it; a read-only edit takes no typing.
void ApplyStyle(QWidget* widget, DWORD style)
{
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setReadOnly(style & ES_READONLY);
}
} // namespace

DialogSurface::DialogSurface(const DialogTemplate& dialogTemplate, CCmdTarget* pOwner, QWidget* parent)
    : QWidget(parent), m_pOwner(pOwner)
{
    setFont(TemplateFont(dialogTemplate));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy).size());
    for (const DialogItemTemplate& item : dialogTemplate.items)
        AddControl(item, units);
    ClipOverlaps();
}

// Controls made later lie over earlier ones. Where they overlap (a grid's cells share their border
// lines), the one below is masked off, so that a control that changes repaints only itself, not the
// neighbours whose edges lie over it.
void DialogSurface::ClipOverlaps()
{
    for (auto below = m_controls.begin(); below != m_controls.end(); ++below) {
        QWidget* widget = below->wnd->GetSafeHwnd();
        if (!widget || widget->isHidden())
            continue;
        QRegion visible(widget->geometry());
        for (auto above = below + 1; above != m_controls.end(); ++above) {
            const QWidget* over = above->wnd->GetSafeHwnd();
            if (over && !over->isHidden())
                visible -= over->geometry();
        }
        if (visible != QRegion(widget->geometry()))
            widget->setMask(visible.translated(-widget->pos()));
    }
}

DialogSurface::~DialogSurface() = default;

void DialogSurface::AddControl(const DialogItemTemplate& item, const DialogUnits& units)
{
    QWidget* widget = MakeControl(item);
    if (!widget) {
        qWarning("Dialog template control %d: window class \"%s\" is not supported", item.id, item.windowClass);
        return;
    }
    widget->setObjectName(QString::number(item.id));
    widget->setGeometry(units.ToPixels(item.x, item.y, item.cx, item.cy));
    if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
        widget->resize(label->pixmap().deviceIndependentSize().toSize()); // an icon static takes the icon's size
    ApplyStyle(widget, item.style);
    widget->setEnabled(!(item.style & WS_DISABLED));
    widget->setVisible(item.style & WS_VISIBLE);

    auto wnd = std::make_unique<CWnd>();
    wnd->Attach(widget, item.id);
    m_controls.push_back({std::move(wnd), item.style});
}

QWidget* DialogSurface::MakeControl(const DialogItemTemplate& item)
{
    const QString text = QString::fromUtf8(item.text);
    const int id = item.id;
    if (std::strcmp(item.windowClass, "Edit") == 0) {
        // A single-line edit; it scrolls its text sideways (ES_AUTOHSCROLL) and holds any length.
        InputMethodEdit* edit =
            (item.style & WS_BORDER) ? new BorderedEdit(text, this) : new InputMethodEdit(text, this);
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setAlignment((item.style & ES_CENTER) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        edit->setFrame(item.style & WS_BORDER);
        connect(edit, &InputMethodEdit::changed, this, [this, id] { Notify(id, EN_CHANGE); });
        return edit;
    }
    if (std::strcmp(item.windowClass, "Static") == 0) {
        auto* label = new QLabel(this);
        if ((item.style & SS_TYPEMASK) == SS_ICON) {
            label->setPixmap(LoadIcon(text.mid(1).toUInt()).pixmap(32, 32));
        } else {
            // A carriage return breaks the line, as in the dialog manager's static texts.
            label->setText(QString(text).replace(u'\r', u'\n'));
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            const bool centred = (item.style & SS_TYPEMASK) == SS_CENTER;
            label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        }
        return label;
    }
    if (std::strcmp(item.windowClass, "Button") == 0) {
        auto* button = new QPushButton(text, this);
        button->setDefault(item.style & BS_DEFPUSHBUTTON);
        connect(button, &QPushButton::clicked, this, [this, id] { Notify(id, CN_COMMAND); });
        return button;
    }
    return nullptr;
}

CWnd* DialogSurface::Item(int nID) const
{
    for (const Control& control : m_controls) {
        if (control.wnd->GetDlgCtrlID() == nID && control.wnd->GetSafeHwnd())
            return control.wnd.get();
    }
    return nullptr;
}

bool DialogSurface::IsTabStop(const Control& control) const
{
    const QWidget* widget = control.wnd->GetSafeHwnd();
    return widget && (control.style & WS_TABSTOP) && widget->isVisibleTo(this) && widget->isEnabledTo(this);
}

CWnd* DialogSurface::NextTabItem(const CWnd* pControl, bool bPrevious) const
{
    const int count = static_cast<int>(m_controls.size());
    int start = -1;
    for (int i = 0; i < count; ++i) {
        if (m_controls[i].wnd.get() == pControl)
            start = i;
    }
    if (start < 0)
        return nullptr;
    const int step = bPrevious ? count - 1 : 1;
    for (int k = 1, i = (start + step) % count; k <= count; ++k, i = (i + step) % count) {
        if (IsTabStop(m_controls[i]))
            return m_controls[i].wnd.get();
    }
    return nullptr;
}

CWnd* DialogSurface::FirstTabItem() const
{
    for (const Control& control : m_controls) {
        if (IsTabStop(control))
            return control.wnd.get();
    }
    return nullptr;
}

QString DialogSurface::ItemText(int nID) const
{
    const CWnd* item = Item(nID);
    const auto* edit = item ? qobject_cast<const QLineEdit*>(item->GetSafeHwnd()) : nullptr;
    return edit ? edit->text() : QString();
}

void DialogSurface::SetItemText(int nID, const QString& text)
{
    const CWnd* item = Item(nID);
    auto* edit = item ? qobject_cast<QLineEdit*>(item->GetSafeHwnd()) : nullptr;
    if (!edit)
        return;
    {
        // An edit reports every text written into it, even the text it already holds: exactly once.
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
    Notify(nID, EN_CHANGE);
}

DWORD DialogSurface::ItemStyle(const CWnd* pControl) const
{
    for (const Control& control : m_controls) {
        if (control.wnd.get() == pControl)
            return control.style;
    }
    return 0;
}

bool DialogSurface::ModifyItemStyle(const CWnd* pControl, DWORD dwRemove, DWORD dwAdd)
{
    for (Control& control : m_controls) {
        if (control.wnd.get() != pControl || !control.wnd->GetSafeHwnd())
            continue;
        control.style = (control.style & ~dwRemove) | dwAdd;
        ApplyStyle(control.wnd->GetSafeHwnd(), control.style);
        return true;
    }
    return false;
}

void DialogSurface::Notify(int nID, int nCode)
{
    m_pOwner->OnCmdMsg(static_cast<UINT>(nID), nCode);
}

bool DialogSurface::focusNextPrevChild(bool next)
{
    for (const Control& control : m_controls) {
        QWidget* widget = control.wnd->GetSafeHwnd();
        if (!widget || !widget->hasFocus())
            continue;
        if (CWnd* target = NextTabItem(control.wnd.get(), !next)) {
            target->GetSafeHwnd()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}
