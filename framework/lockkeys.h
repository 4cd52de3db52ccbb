#pragma once

#include <functional>
#include <memory>

enum class LockKey { Caps, Num, Scroll };

// Knows whether each lock (Caps Lock, Num Lock, Scroll Lock) is on and tells when one changes.
// On X11 it reads the X server's keyboard indicators, so it knows the state the session already had.
// Elsewhere (offscreen, Wayland, ...), and for a lock the server has no indicator for, it follows the
// presses of that lock key that reach the application, from off at the start.
// Made after the application object, on its thread.
class LockKeyState
{
public:
    // onChange runs after any lock changed, and only then; never for the state found at construction.
    explicit LockKeyState(std::function<void()> onChange);
    ~LockKeyState();
    LockKeyState(const LockKeyState&) = delete;
    LockKeyState& operator=(const LockKeyState&) = delete;

    bool IsOn(LockKey key) const;

private:
    class Watcher;
    std::unique_ptr<Watcher> m_pWatcher;
};
