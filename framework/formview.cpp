#include "formview.h"

#include "dialogsurface.h"
#include "resources.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// The view's window: scrolls the form and keeps the keyboard focus on one of its controls, the
// last one that had it, or else the first tab stop.
class FormScrollArea : public QScrollArea
{
public:
    FormScrollArea(DialogSurface* surface, QWidget* parent) : QScrollArea(parent), m_surface(surface)
    {
        setFrameShape(QFrame::NoFrame);
        setWidget(surface);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && m_surface->isAncestorOf(now)) {
                m_lastFocus = now;
                // The whole control, not just its text cursor as ensureWidgetVisible would.
                const QRect control(now->mapTo(widget(), QPoint()), now->size());
                ensureVisible(control.center().x(), control.center().y(), control.width() / 2 + 1,
                              control.height() / 2 + 1);
            }
        });
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QWidget* target = m_lastFocus;
        if (!target) {
            const CWnd* first = m_surface->FirstTabItem();
            target = first ? first->GetSafeHwnd() : nullptr;
        }
        if (target)
            target->setFocus(event->reason());
    }

private:
    DialogSurface* m_surface;
    QPointer<QWidget> m_lastFocus;
};
} // namespace

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate)
{}

BOOL CFormView::Create(CWnd* pParentWnd)
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(m_nIDTemplate);
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
