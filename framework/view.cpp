#include "view.h"

#include <QWidget>

void CView::OnInitialUpdate()
{
    if (QWidget* widget = GetSafeHwnd())
        widget->update();
}

void CView::OnActivateView()
{
    SetFocus();
}
