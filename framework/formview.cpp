// SPDX-License-Identifier: GPL-3.0-or-later

#include "formview.h"

#include "dialogsurface.h"
#include "resources.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// The view's window: scrolls the form and passes the keyboard focus on to one of its controls, the
// last one that had it, or else the first tab stop. As its focus proxy, that control takes the
// focus directly, so that the focus events, screen readers' among them, name the control.
class FormScrollArea : public QScrollArea
{
public:
    FormScrollArea(DialogSurface* surface, QWidget* parent) : QScrollArea(parent), m_surface(surface)
    {
        setFrameShape(QFrame::NoFrame);
        setWidget(surface);
        if (const CWnd* first = m_surface->FirstTabItem())
            setFocusProxy(first->GetSafeHwnd());
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && m_surface->isAncestorOf(now)) {
                setFocusProxy(now);
                // The whole control, not just its text cursor as ensureWidgetVisible would.
                const QRect control(now->mapTo(widget(), QPoint()), now->size());
                ensureVisible(control.center().x(), control.center().y(), control.width() / 2 + 1,
                              control.height() / 2 + 1);
            }
        });
    }

private:
    DialogSurface* m_surface;
};
} // namespace

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate)
{}

BOOL CFormView::Create(CWnd* pParentWnd)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate)
        return FALSE;
    auto* surface = new DialogSurface(*dialogTemplate, this, nullptr);
    Attach(new FormScrollArea(surface, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr));
    m_pDialogSurface = surface;
    return TRUE;
}

void CFormView::ResizeParentToFit(BOOL bShrinkOnly)
{
    auto* area = static_cast<QScrollArea*>(GetSafeHwnd());
    QWidget* frame = area ? area->window() : nullptr;
    if (!frame || frame == area)
        return;
    QSize needed = m_pDialogSurface->size() + (area->size() - area->maximumViewportSize());
    const QSize have = area->size();
    // A direction that stays too small keeps its scroll bar, which takes room across it.
    if (have.height() < needed.height())
        needed.rwidth() += area->verticalScrollBar()->sizeHint().width();
    if (have.width() < needed.width())
        needed.rheight() += area->horizontalScrollBar()->sizeHint().height();
    QSize excess = have - needed;
    if (bShrinkOnly)
        excess = excess.expandedTo(QSize(0, 0));
    if (!excess.isNull())
        frame->resize(frame->size() - excess);
}
