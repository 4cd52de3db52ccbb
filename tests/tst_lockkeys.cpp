// SPDX-License-Identifier: GPL-3.0-or-later

#include "lockkeys.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include "xcbxkb.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr std::array<LockKey, 3> kLocks = {LockKey::Caps, LockKey::Num, LockKey::Scroll};
using States = std::array<bool, 3>;

States Read(const LockKeyState& locks)
{
    return {locks.IsOn(LockKey::Caps), locks.IsOn(LockKey::Num), locks.IsOn(LockKey::Scroll)};
}

// One keystroke of a test row, by a letter:
//   C, N, S    press and release Caps, Num or Scroll Lock     c, n, s    the same, auto-repeated
//   P          presses Caps Lock and does not release it      R          releases Caps Lock, not pressed
//   x, h, k    press and release X, Shift or Control
struct Stroke
{
    Qt::Key key;
    bool press;
    bool release;
    bool autoRepeat;
};

Stroke StrokeOf(QChar code)
{
    switch (code.unicode()) {
    case 'C':
        return {Qt::Key_CapsLock, true, true, false};
    case 'N':
        return {Qt::Key_NumLock, true, true, false};
    case 'S':
        return {Qt::Key_ScrollLock, true, true, false};
    case 'c':
        return {Qt::Key_CapsLock, true, true, true};
    case 'n':
        return {Qt::Key_NumLock, true, true, true};
    case 's':
        return {Qt::Key_ScrollLock, true, true, true};
    case 'P':
        return {Qt::Key_CapsLock, true, false, false};
    case 'R':
        return {Qt::Key_CapsLock, false, true, false};
    case 'x':
        return {Qt::Key_X, true, true, false};
    case 'h':
        return {Qt::Key_Shift, true, true, false};
    case 'k':
        return {Qt::Key_Control, true, true, false};
    default:
        qFatal("unknown stroke %c", code.toLatin1());
    }
}

// The programs that act as the user on the X server.
bool HasUserTools()
{
    return !QStandardPaths::findExecutable("xdotool").isEmpty() && !QStandardPaths::findExecutable("xset").isEmpty();
}

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Turns a lock of the X server over, from `on`, as a user would. The usual keymaps make Scroll_Lock lock nothing,
// so its indicator is set by name instead, as those who want the light do with xset.
bool Toggle(LockKey lock, bool on)
{
    switch (lock) {
    case LockKey::Caps:
        return Run("xdotool", {"key", "Caps_Lock"});
    case LockKey::Num:
        return Run("xdotool", {"key", "Num_Lock"});
    case LockKey::Scroll:
        return Run("xset", {on ? "-led" : "led", "named", "Scroll Lock"});
    }
    return false;
}

// Counts the XKB events of one kind that reach Qt's connection.
class XkbEventCounter : public QAbstractNativeEventFilter
{
public:
    explicit XkbEventCounter(std::uint8_t xkbType) : m_xkbType(xkbType)
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_xkbEventCode = xcb_get_extension_data(x11->connection(), &xcb_xkb_id)->first_event;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    int Count() const { return m_count; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_xkb_indicator_state_notify_event_t*>(message);
        if (eventType == "xcb_generic_event_t" && (event->response_type & 0x7f) == m_xkbEventCode &&
            event->xkbType == m_xkbType)
            ++m_count;
        return false;
    }

private:
    std::uint8_t m_xkbType;
    std::uint8_t m_xkbEventCode = 0;
    int m_count = 0;
};

// Waits until every event that the X server made so far has reached Qt's connection, so that extra
// ones would be counted: it changes a property of the window and waits for that change's own event,
// which the server sends after all of them.
class ServerSync : public QAbstractNativeEventFilter
{
public:
    explicit ServerSync(QWidget* window) : m_window(static_cast<xcb_window_t>(window->winId()))
    {
        m_connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const char name[] = "CARRELIX_TEST_SYNC";
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, false, sizeof name - 1, name), nullptr);
        m_atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool Wait()
    {
        m_seen = false;
        const std::uint32_t value = 0;
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_atom, XCB_ATOM_INTEGER, 32, 1, &value);
        xcb_flush(m_connection);
        return QTest::qWaitFor([this] { return m_seen; });
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        const auto* event = static_cast<const xcb_property_notify_event_t*>(message);
        if (eventType == "xcb_generic_event_t" && (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
            event->window == m_window && event->atom == m_atom)
            m_seen = true;
        return false;
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_atom;
    bool m_seen = false;
};

// Puts the server's locks back as the test found them: they outlive it, in the session of whoever runs it.
class LockRestorer
{
public:
    LockRestorer()
    {
        const LockKeyState locks([] {});
        m_found = Read(locks);
    }
    ~LockRestorer()
    {
        const LockKeyState locks([] {});
        for (size_t i = 0; i < kLocks.size(); ++i) {
            if (locks.IsOn(kLocks[i]) != m_found[i])
                Toggle(kLocks[i], locks.IsOn(kLocks[i]));
        }
    }
    LockRestorer(const LockRestorer&) = delete;
    LockRestorer& operator=(const LockRestorer&) = delete;

    States Found() const { return m_found; }

private:
    States m_found{};
};

// A widget that takes every key, as an edit takes those it uses.
class KeyTaker : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override { event->accept(); }
    void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }
};
} // namespace

class LockKeys : public QObject
{
    Q_OBJECT

private:
    // The window takes every key; in it, a middle widget holds the focused leaf, which ignores keys like the middle
    // one, and a taker, which takes them. So a press given to the leaf goes on to the middle, then the window.
    std::unique_ptr<KeyTaker> m_window;
    QWidget* m_middle = nullptr;
    QWidget* m_leaf = nullptr;
    KeyTaker* m_taker = nullptr;

    // Sends one stroke the way the system does, to the window, or the way QTest::keyClick does, to the widget.
    // (QTest::keyClick cannot mark an event as auto-repeated; this is the call it makes.)
    void Send(const Stroke& stroke, QWidget* widget)
    {
        for (const bool press : {true, false}) {
            if (!(press ? stroke.press : stroke.release))
                continue;
            if (widget)
                QTest::simulateEvent(widget, press, stroke.key, {}, {}, stroke.autoRepeat);
            else
                QTest::simulateEvent(m_window->windowHandle(), press, stroke.key, {}, {}, stroke.autoRepeat);
        }
    }

private slots:
    void init()
    {
        m_window = std::make_unique<KeyTaker>();
        m_middle = new QWidget(m_window.get());
        m_leaf = new QWidget(m_middle);
        m_leaf->setFocusPolicy(Qt::StrongFocus);
        m_taker = new KeyTaker(m_middle);
        m_window->show();
        // A headless compositor gives no window the keyboard: there the tests send their events straight to a widget.
        if (QGuiApplication::platformName() == "wayland") {
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            return;
        }
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_leaf->setFocus();
        QCOMPARE(QApplication::focusWidget(), m_leaf);
    }

    void cleanup() { m_window.reset(); }

    void followsKeyPressesWithoutServer_data()
    {
        QTest::addColumn<bool>("toWindow");
        QTest::addColumn<QString>("strokes");
        QTest::addColumn<bool>("caps");
        QTest::addColumn<bool>("num");
        QTest::addColumn<bool>("scroll");

        struct Row
        {
            const char* name;
            const char* strokes;
            bool caps, num, scroll;
        };
        const Row rows[] = {
            {"all off at start", "", false, false, false},
            {"caps", "C", true, false, false},
            {"caps twice", "CC", false, false, false},
            {"num", "N", false, true, false},
            {"scroll", "S", false, false, true},
            {"each once", "CNS", true, true, true},
            {"independent", "CNSN", true, false, true},
            {"scroll thrice", "SSS", false, false, true},
            {"auto-repeat ignored", "Ccc", true, false, false},
            {"auto-repeat alone", "nnss", false, false, false},
            {"other keys ignored", "xhkx", false, false, false},
            {"release alone ignored", "R", false, false, false},
            {"mixed", "xCxhNcnk", true, true, false},
        };
        for (const bool toWindow : {true, false}) {
            for (const Row& row : rows) {
                QTest::addRow("%s, %s", toWindow ? "to the window" : "to the focus widget", row.name)
                    << toWindow << QString(row.strokes) << row.caps << row.num << row.scroll;
            }
        }
    }

    void followsKeyPressesWithoutServer()
    {
        if (QGuiApplication::platformName() != "offscreen")
            QSKIP("the presses lead only where the system tells nothing of the locks");
        QFETCH(bool, toWindow);
        QFETCH(QString, strokes);
        QFETCH(bool, caps);
        QFETCH(bool, num);
        QFETCH(bool, scroll);

        std::vector<States> seen; // the state as each call of onChange found it
        std::unique_ptr<LockKeyState> locks;
        locks = std::make_unique<LockKeyState>([&] { seen.push_back(Read(*locks)); });
        for (const QChar code : strokes)
            Send(StrokeOf(code), toWindow ? nullptr : m_leaf);

        const States expected{caps, num, scroll};
        QCOMPARE(Read(*locks), expected);
        // Each real change calls onChange once, after the state changed; so each call sees one lock flipped.
        int presses = 0;
        for (const QChar code : strokes)
            presses += QString("CNS").contains(code) ? 1 : 0;
        QCOMPARE(int(seen.size()), presses);
        States before{};
        for (const States& now : seen) {
            int flipped = 0;
            for (size_t i = 0; i < now.size(); ++i)
                flipped += now[i] != before[i] ? 1 : 0;
            QCOMPARE(flipped, 1);
            before = now;
        }
        QCOMPARE(before, expected);
    }

    // Presses given straight to one widget and another, as tests do: each counts once, wherever it went before.
    void countsPressesGivenToAnyWidget()
    {
        if (QGuiApplication::platformName() != "offscreen")
            QSKIP("the presses lead only where the system tells nothing of the locks");
        int changes = 0;
        const LockKeyState locks([&] { ++changes; });
        // The middle holds the taker, which kept the press before; the window had the press before it too.
        const std::vector<QWidget*> targets = {m_taker, m_middle, m_leaf, m_window.get(), m_taker};
        for (QWidget* target : targets)
            Send(StrokeOf('C'), target);
        QCOMPARE(changes, int(targets.size()));
        QVERIFY(locks.IsOn(LockKey::Caps));
        // Two presses with no release between, as two calls of QTest::keyPress give them.
        Send(StrokeOf('P'), m_taker);
        Send(StrokeOf('P'), m_taker);
        QCOMPARE(changes, int(targets.size()) + 2);
        QVERIFY(locks.IsOn(LockKey::Caps));
    }

    // This case and the next run under an X server: xvfb-run -a env QT_QPA_PLATFORM=xcb tst_lockkeys
    // Under Wayland every key event carries the locked modifiers: Lock (0x2) is Caps Lock, Mod2 (0x10) Num Lock.
    // Nothing is known before the first event; Scroll Lock, which has no modifier, never is.
    void readsLockedModifiersUnderWayland()
    {
        if (QGuiApplication::platformName() != "wayland")
            QSKIP("needs the wayland platform");
        int changes = 0;
        const LockKeyState locks([&] { ++changes; });
        for (const LockKey lock : kLocks)
            QVERIFY(!locks.IsKnown(lock));

        const auto send = [this](QEvent::Type type, int key, quint32 nativeModifiers) {
            QKeyEvent event(type, key, Qt::NoModifier, 0, 0, nativeModifiers);
            QApplication::sendEvent(m_leaf, &event);
        };
        send(QEvent::KeyPress, Qt::Key_CapsLock, 0x0); // the press carries the state before it
        QVERIFY(locks.IsKnown(LockKey::Caps) && !locks.IsOn(LockKey::Caps));
        QVERIFY(locks.IsKnown(LockKey::Num) && !locks.IsOn(LockKey::Num));
        send(QEvent::KeyRelease, Qt::Key_CapsLock, 0x2);
        QVERIFY(locks.IsOn(LockKey::Caps));
        send(QEvent::KeyPress, Qt::Key_X, 0x12);
        QVERIFY(locks.IsOn(LockKey::Caps) && locks.IsOn(LockKey::Num));
        send(QEvent::KeyRelease, Qt::Key_X, 0x12);
        QVERIFY(!locks.IsKnown(LockKey::Scroll));
        QCOMPARE(changes, 3);
    }

    void followsServerIndicators()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs the xcb platform");
        QVERIFY2(HasUserTools(), "xdotool and xset are needed on xcb");
        const LockRestorer restorer;

        int changes = 0;
        const LockKeyState locks([&] { ++changes; });
        QCOMPARE(Read(locks), restorer.Found());
        ServerSync settled(m_window.get());

        // The focused window also receives the key presses: they must not count a second time.
        for (size_t i = 0; i < kLocks.size(); ++i) {
            for (int round = 1; round <= 2; ++round) {
                States expected = restorer.Found();
                expected[i] = round == 1 ? !expected[i] : expected[i];
                QVERIFY(Toggle(kLocks[i], locks.IsOn(kLocks[i])));
                QTRY_COMPARE(Read(locks), expected);
                QVERIFY(settled.Wait());
                QCOMPARE(changes, 1);
                changes = 0;
            }
        }

        // The state at construction comes from the server, with each lock on and then off.
        for (size_t i = 0; i < kLocks.size(); ++i) {
            for (int round = 1; round <= 2; ++round) {
                const bool on = !locks.IsOn(kLocks[i]);
                QVERIFY(Toggle(kLocks[i], !on));
                QTRY_COMPARE(locks.IsOn(kLocks[i]), on);
                const LockKeyState fresh([] {});
                QCOMPARE(fresh.IsOn(kLocks[i]), on);
            }
        }
    }

    // Qt's connection still gets the XKB events Qt selected, and of the indicators only the locks' changes.
    void selectsOnlyLockIndicators()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs the xcb platform");
        QVERIFY2(HasUserTools(), "xdotool and xset are needed on xcb");
        const LockRestorer restorer;
        const LockKeyState locks([] {});
        XkbEventCounter stateNotify(XCB_XKB_STATE_NOTIFY);
        XkbEventCounter indicatorNotify(XCB_XKB_INDICATOR_STATE_NOTIFY);
        ServerSync settled(m_window.get());

        QVERIFY(Run("xdotool", {"key", "shift"}));
        QTRY_VERIFY(stateNotify.Count() > 0);

        QVERIFY(Run("xset", {"led", "named", "Compose"}));
        QVERIFY(Run("xset", {"-led", "named", "Compose"}));
        QVERIFY(settled.Wait());
        QCOMPARE(indicatorNotify.Count(), 0);
        QVERIFY(Toggle(LockKey::Num, locks.IsOn(LockKey::Num)));
        QTRY_VERIFY(indicatorNotify.Count() > 0);
    }
};

QTEST_MAIN(LockKeys)
#include "tst_lockkeys.moc"
