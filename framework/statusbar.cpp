// SPDX-License-Identifier: GPL-3.0-or-later

#include "statusbar.h"

#include "lockkeys.h"
#include "resources.h"
#include "stdcommands.h"

#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <optional>

namespace {
// The bar's window: a message too long for its pane ends in an ellipsis, and the whole message
// shows as the bar's tooltip. The pane runs, as in QStatusBar, from the left edge to the first
// visible indicator or the size grip.
class StatusBarWindow : public QStatusBar
{
public:
    explicit StatusBarWindow(QWidget* parent) : QStatusBar(parent)
    {
        connect(this, &QStatusBar::messageChanged, this, [this] { UpdateToolTip(); });
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
        for (QLabel* pane : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!pane->isVisible())
                continue;
            QStyleOption frame;
            frame.rect = pane->geometry().adjusted(-2, -1, 2, 1);
            frame.palette = palette();
            style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &frame, &painter, pane);
        }
        const QRect pane = MessageRect();
        painter.setPen(palette().windowText().color());
        painter.drawText(pane, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                         fontMetrics().elidedText(currentMessage(), Qt::ElideRight, pane.width()));
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QStatusBar::resizeEvent(event);
        UpdateToolTip();
    }

private:
    QRect MessageRect() const
    {
        int right = width() - 12;
        if (const auto* grip = findChild<QSizeGrip*>(); grip && grip->isVisible())
            right = grip->x();
        for (const QLabel* pane : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (pane->isVisible())
                right = std::min(right, pane->x() - 2);
        }
        return {6, 0, right - 6, height()};
    }

    void UpdateToolTip()
    {
        const QString message = currentMessage();
        const bool cut = fontMetrics().horizontalAdvance(message) > MessageRect().width();
        setToolTip(cut ? message : QString());
    }
};

std::optional<LockKey> LockOf(UINT id)
{
    switch (id) {
    case ID_INDICATOR_CAPS:
        return LockKey::Caps;
    case ID_INDICATOR_NUM:
        return LockKey::Num;
    case ID_INDICATOR_SCRL:
        return LockKey::Scroll;
    default:
        return std::nullopt;
    }
}
} // namespace

CStatusBar::CStatusBar() = default;
CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    auto* window = qobject_cast<QMainWindow*>(pParentWnd->GetSafeHwnd());
    if (!window)
        return FALSE;
    auto* bar = new StatusBarWindow(window);
    bar->setObjectName(QString::number(nID));
    window->setStatusBar(bar);
    bar->setVisible(dwStyle & WS_VISIBLE);
    Attach(bar, static_cast<int>(nID));
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    auto* bar = static_cast<QStatusBar*>(GetSafeHwnd());
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        if (id == ID_SEPARATOR) {
            m_indicators.push_back({id, nullptr}); // the bar's own message area
            continue;
        }
        const QString text = AfxLoadString(id);
        if (text.isEmpty())
            return FALSE;
        auto* label = new QLabel(text, bar);
        label->setObjectName(QString::number(id));
        label->setAlignment(Qt::AlignCenter);
        // The pane is as wide as its string, whatever it shows: a lock's pane keeps its width while
        // the lock is off and it shows nothing.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) +
                               2 * label->fontMetrics().averageCharWidth());
        bar->addPermanentWidget(label);
        m_indicators.push_back({id, label});
    }
    m_pLockKeys = std::make_unique<LockKeyState>([this] { UpdateIndicators(); });
    UpdateIndicators();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (std::size_t i = 0; i < m_indicators.size(); ++i) {
        if (m_indicators[i].id == nIDFind)
            return static_cast<int>(i);
    }
    return -1;
}

BOOL CStatusBar::SetPaneText(int nIndex, const QString& text)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_indicators.size()) || !m_indicators[nIndex].label)
        return FALSE;
    m_indicators[nIndex].label->setText(text);
    return TRUE;
}

void CStatusBar::UpdateIndicators()
{
    for (const Indicator& indicator : m_indicators) {
        const std::optional<LockKey> lock = LockOf(indicator.id);
        if (!lock)
            continue;
        indicator.label->setText(m_pLockKeys->IsOn(*lock) ? AfxLoadString(indicator.id) : QString());
        indicator.label->setVisible(m_pLockKeys->IsKnown(*lock));
    }
}
