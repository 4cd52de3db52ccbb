#include "statusbar.h"

#include "lockkeys.h"
#include "resources.h"
#include "stdcommands.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include <optional>

namespace {
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
    auto* bar = new QStatusBar(window);
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
        if (id == ID_SEPARATOR)
            continue; // the bar's own message area
        const QString text = AfxLoadString(id);
        if (text.isEmpty())
            return FALSE;
        auto* label = new QLabel(bar);
        label->setObjectName(QString::number(id));
        label->setAlignment(Qt::AlignCenter);
        // The pane keeps its width while its lock is off and shows nothing.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) +
                               2 * label->fontMetrics().averageCharWidth());
        bar->addPermanentWidget(label);
        m_indicators.push_back({id, label});
    }
    m_pLockKeys = std::make_unique<LockKeyState>([this] { UpdateIndicators(); });
    UpdateIndicators();
    return TRUE;
}

void CStatusBar::UpdateIndicators()
{
    for (const Indicator& indicator : m_indicators) {
        const std::optional<LockKey> lock = LockOf(indicator.id);
        const bool on = !lock || m_pLockKeys->IsOn(*lock);
        indicator.label->setText(on ? AfxLoadString(indicator.id) : QString());
        indicator.label->setVisible(!lock || m_pLockKeys->IsKnown(*lock));
    }
}
