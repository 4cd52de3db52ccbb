// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolbar.h"

#include "framewnd.h"
#include "resources.h"
#include "toolpalette.h"

#include <QAction>
#include <QImage>
#include <QToolBar>
#include <QToolButton>

namespace {
// The strip with its light grey, the background, made transparent.
QImage TransparentStrip(const char* const* xpm)
{
    QImage strip = QImage(xpm).convertToFormat(QImage::Format_ARGB32);
    const QRgb background = qRgb(192, 192, 192);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return strip;
}
} // namespace

BOOL CToolBar::CreateEx(CFrameWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const QMargins& borders, UINT nID)
{
    m_pFrame = pParentWnd;
    m_dwCtrlStyle = dwCtrlStyle;
    m_dwStyle = dwStyle;
    auto* toolBar = new QToolBar(pParentWnd->GetSafeHwnd());
    toolBar->setObjectName(QString::number(nID));
    toolBar->setContentsMargins(borders);
    toolBar->setMovable(dwStyle & CBRS_GRIPPER);
    toolBar->setFloatable(false);
    toolBar->setAllowedAreas(Qt::NoToolBarArea);
    toolBar->setVisible(dwStyle & WS_VISIBLE);
    if (dwStyle & CBRS_SIZE_DYNAMIC)
        new ToolPalette(toolBar);
    Attach(toolBar, static_cast<int>(nID));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    const ToolbarTemplate* resource = FindToolbar(nIDResource);
    if (!resource)
        return FALSE;
    auto* toolBar = static_cast<QToolBar*>(GetSafeHwnd());
    toolBar->setIconSize(QSize(resource->buttonWidth, resource->buttonHeight));
    const QImage strip = TransparentStrip(resource->bitmap);
    const QImage strip2x = resource->bitmap2x ? TransparentStrip(resource->bitmap2x) : QImage();
    int image = 0;
    for (const UINT id : resource->buttons) {
        if (id == ID_SEPARATOR) {
            toolBar->addSeparator();
            continue;
        }
        QAction* action = m_pFrame->MakeCommandAction(id, toolBar);
        // The prompt's second part is the button's short name: its tooltip.
        action->setText(AfxLoadString(id).section(u'\n', 1, 1));
        const QRect cell(image++ * resource->buttonWidth, 0, resource->buttonWidth, resource->buttonHeight);
        QIcon icon(QPixmap::fromImage(strip.copy(cell)));
        // Qt takes the larger image where the screen has twice the pixels or more, instead of enlarging the small one.
        if (!strip2x.isNull()) {
            QPixmap large = QPixmap::fromImage(strip2x.copy(QRect(cell.topLeft() * 2, cell.size() * 2)));
            large.setDevicePixelRatio(2);
            icon.addPixmap(large);
        }
        action->setIcon(icon);
        toolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action)))
            button->setAutoRaise(m_dwCtrlStyle & TBSTYLE_FLAT);
    }
    return TRUE;
}

void CToolBar::EnableDocking(DWORD dwDockStyle)
{
    Qt::ToolBarAreas areas;
    areas.setFlag(Qt::LeftToolBarArea, dwDockStyle & CBRS_ALIGN_LEFT);
    areas.setFlag(Qt::TopToolBarArea, dwDockStyle & CBRS_ALIGN_TOP);
    areas.setFlag(Qt::RightToolBarArea, dwDockStyle & CBRS_ALIGN_RIGHT);
    areas.setFlag(Qt::BottomToolBarArea, dwDockStyle & CBRS_ALIGN_BOTTOM);
    auto* toolBar = static_cast<QToolBar*>(GetSafeHwnd());
    toolBar->setAllowedAreas(areas);
    toolBar->setFloatable(areas != Qt::NoToolBarArea);
}
