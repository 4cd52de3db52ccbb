// SPDX-License-Identifier: GPL-3.0-or-later

#include "lockkeys.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "xcbxkb.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int kLockCount = 3;

// The X server's names of the indicators, in the order of LockKey.
constexpr std::array<const char*, kLockCount> kIndicatorNames = {"Caps Lock", "Num Lock", "Scroll Lock"};

int LockIndex(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_CapsLock:
        return static_cast<int>(LockKey::Caps);
    case Qt::Key_NumLock:
        return static_cast<int>(LockKey::Num);
    case Qt::Key_ScrollLock:
        return static_cast<int>(LockKey::Scroll);
    default:
        return -1;
    }
}

// Whether a key press that reached `from` and now reaches `to` is being passed on: from a window to its widgets,
// or from a widget that ignored it to the widget's parents.
bool IsPassedOn(const QObject* from, const QObject* to)
{
    if (!from || !to->isWidgetType())
        return false;
    if (from->isWindowType())
        return true;
    return from->isWidgetType() && from != to &&
           static_cast<const QWidget*>(to)->isAncestorOf(static_cast<const QWidget*>(from));
}

struct FreeDeleter
{
    void operator()(void* p) const { std::free(p); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

// Waits for a reply, null on error. The error is taken here: left to Qt, it would be printed as a warning.
template <typename Reply, typename Cookie>
ReplyPtr<Reply> Wait(xcb_connection_t* connection, Cookie cookie,
                     Reply* (*fetch)(xcb_connection_t*, Cookie, xcb_generic_error_t**))
{
    xcb_generic_error_t* error = nullptr;
    ReplyPtr<Reply> reply(fetch(connection, cookie, &error));
    std::free(error);
    return reply;
}
} // namespace

class LockKeyState::Watcher : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit Watcher(std::function<void()> onChange);
    ~Watcher() override;

    bool IsOn(LockKey key) const { return m_on[static_cast<int>(key)]; }
    bool IsKnown(LockKey key) const { return m_known[static_cast<int>(key)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool WatchIndicators();
    void ShowIndicators(std::uint32_t state);
    void ReadModifiers(std::uint32_t modifiers);

    std::function<void()> m_onChange;
    std::array<bool, kLockCount> m_on{};
    std::array<bool, kLockCount> m_known{};
    // The key events' native modifiers hold the locked modifiers (Wayland): the locks are read from them.
    bool m_bModifiersTell = false;
    // The lock's bit in the server's indicator state; 0 for a lock followed from its key presses.
    std::array<std::uint32_t, kLockCount> m_indicatorBit{};
    std::uint8_t m_xkbEventCode = 0;
    std::uint8_t m_deviceId = 0;
    // The key press being delivered and where it was last; a release ends it.
    const QEvent* m_pPress = nullptr;
    QPointer<QObject> m_pPressReceiver;
};

LockKeyState::Watcher::Watcher(std::function<void()> onChange) : m_onChange(std::move(onChange))
{
    m_bModifiersTell = QGuiApplication::platformName() == QLatin1String("wayland");
    if (WatchIndicators())
        QCoreApplication::instance()->installNativeEventFilter(this);
    for (int i = 0; i < kLockCount; ++i)
        m_known[i] = m_indicatorBit[i] != 0 || !m_bModifiersTell;
    if (std::find(m_indicatorBit.begin(), m_indicatorBit.end(), 0u) != m_indicatorBit.end())
        QCoreApplication::instance()->installEventFilter(this);
}

// The X keyboard's modifier bits, which Wayland's keymaps share: Lock is Caps Lock, Mod2 Num Lock.
void LockKeyState::Watcher::ReadModifiers(std::uint32_t modifiers)
{
    constexpr std::uint32_t kLockMask = 1u << 1;
    constexpr std::uint32_t kMod2Mask = 1u << 4;
    bool changed = false;
    for (const auto& [key, mask] : {std::pair{LockKey::Caps, kLockMask}, std::pair{LockKey::Num, kMod2Mask}}) {
        const int i = static_cast<int>(key);
        const bool on = (modifiers & mask) != 0;
        if (!m_known[i] || m_on[i] != on) {
            m_known[i] = true;
            m_on[i] = on;
            changed = true;
        }
    }
    if (changed)
        m_onChange();
}

LockKeyState::Watcher::~Watcher()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

// Finds the three indicators by name, asks for their changes and reads their state. Everything goes through
// Qt's own connection, whose events come back through nativeEventFilter. False leaves the key presses to follow.
bool LockKeyState::Watcher::WatchIndicators()
{
    // Only the xcb platform has this interface.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (!extension || !extension->present)
        return false;
    // Qt has made this request on the connection already; the server answers no other XKB request before it.
    const auto use = Wait(connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
                          xcb_xkb_use_extension_reply);
    if (!use || !use->supported)
        return false;

    std::array<xcb_intern_atom_cookie_t, kLockCount> atomCookies;
    for (int i = 0; i < kLockCount; ++i) {
        const char* name = kIndicatorNames[i];
        atomCookies[i] = xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    }
    std::array<xcb_xkb_get_named_indicator_cookie_t, kLockCount> indicatorCookies{};
    std::array<bool, kLockCount> asked{};
    for (int i = 0; i < kLockCount; ++i) {
        // An atom that does not exist yet cannot name an indicator.
        const auto atom = Wait(connection, atomCookies[i], xcb_intern_atom_reply);
        if (!atom || atom->atom == XCB_ATOM_NONE)
            continue;
        indicatorCookies[i] = xcb_xkb_get_named_indicator(
            connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID, atom->atom);
        asked[i] = true;
    }
    std::array<std::uint32_t, kLockCount> bits{};
    std::uint32_t allBits = 0;
    for (int i = 0; i < kLockCount; ++i) {
        if (!asked[i])
            continue;
        const auto indicator = Wait(connection, indicatorCookies[i], xcb_xkb_get_named_indicator_reply);
        if (indicator && indicator->found && indicator->ndx < 32) {
            bits[i] = std::uint32_t{1} << indicator->ndx;
            allBits |= bits[i];
        }
    }
    if (!allBits)
        return false;

    // The affect masks limit the change to these bits of IndicatorStateNotify: the XKB events Qt selected
    // on this connection stay as they are. Selected before the state is read, so that no change falls between.
    xcb_xkb_select_events_details_t details{};
    details.affectIndicatorState = allBits;
    details.indicatorStateDetails = allBits;
    const xcb_void_cookie_t select = xcb_xkb_select_events_aux_checked(
        connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY, 0, 0, 0, 0, &details);
    const xcb_xkb_get_indicator_state_cookie_t stateCookie =
        xcb_xkb_get_indicator_state(connection, XCB_XKB_ID_USE_CORE_KBD);
    if (xcb_generic_error_t* error = xcb_request_check(connection, select)) {
        std::free(error);
        xcb_discard_reply(connection, stateCookie.sequence);
        return false;
    }
    const auto state = Wait(connection, stateCookie, xcb_xkb_get_indicator_state_reply);
    if (!state)
        return false;

    m_xkbEventCode = extension->first_event;
    m_deviceId = state->deviceID;
    m_indicatorBit = bits;
    for (int i = 0; i < kLockCount; ++i)
        m_on[i] = (state->state & bits[i]) != 0;
    return true;
}

void LockKeyState::Watcher::ShowIndicators(std::uint32_t state)
{
    bool changed = false;
    for (int i = 0; i < kLockCount; ++i) {
        const bool on = (state & m_indicatorBit[i]) != 0;
        if (m_indicatorBit[i] && on != m_on[i]) {
            m_on[i] = on;
            changed = true;
        }
    }
    if (changed)
        m_onChange();
}

bool LockKeyState::Watcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    // Every XKB event has the extension's one event code, whose top bit only marks an event sent by a client;
    // the second byte tells which event it is.
    const auto* event = static_cast<const xcb_xkb_indicator_state_notify_event_t*>(message);
    if ((event->response_type & 0x7f) == m_xkbEventCode && event->xkbType == XCB_XKB_INDICATOR_STATE_NOTIFY &&
        event->deviceID == m_deviceId)
        ShowIndicators(event->state);
    return false;
}

bool LockKeyState::Watcher::eventFilter(QObject* watched, QEvent* event)
{
    // A release carries the modifiers as the press left them: a lock key's new state.
    if (m_bModifiersTell && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        ReadModifiers(static_cast<const QKeyEvent*>(event)->nativeModifiers());
        return false;
    }
    // One press reaches several receivers in turn (its window, the focus widget, the parents of a widget that
    // ignored it): only the first counts it. Its release ends it, since the next press may reuse its address.
    if (event->type() == QEvent::KeyRelease)
        m_pPress = nullptr;
    if (event->type() != QEvent::KeyPress)
        return false;
    const bool passedOn = event == m_pPress && IsPassedOn(m_pPressReceiver, watched);
    m_pPress = event;
    m_pPressReceiver = watched;
    if (passedOn)
        return false;
    const auto* keyEvent = static_cast<const QKeyEvent*>(event);
    const int index = LockIndex(keyEvent->key());
    if (index >= 0 && !m_indicatorBit[index] && !keyEvent->isAutoRepeat()) {
        m_on[index] = !m_on[index];
        m_onChange();
    }
    return false;
}

LockKeyState::LockKeyState(std::function<void()> onChange) : m_pWatcher(std::make_unique<Watcher>(std::move(onChange)))
{}

// The XKB selection stays after the watcher: another instance may share it, and Qt ignores the events.
LockKeyState::~LockKeyState() = default;

bool LockKeyState::IsOn(LockKey key) const
{
    return m_pWatcher->IsOn(key);
}

bool LockKeyState::IsKnown(LockKey key) const
{
    return m_pWatcher->IsKnown(key);
}
