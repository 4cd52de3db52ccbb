// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

enum class LockKey { Caps, Num, Scroll };

// Knows whether each lock (Caps Lock, Num Lock, Scroll Lock) is on and tells when one changes.
// On X11 it reads the X server's keyboard indicators, so it knows the state the session already had.
// Under Wayland the state is unknown until a key event reaches the application: each one carries the
// keyboard's locked modifiers, Caps Lock's and Num Lock's among them (Scroll Lock has none and stays
// unknown). Elsewhere (offscreen, ...), and for a lock the X server has no indicator for, it follows
// the presses of that lock key that reach the application, from off at the start.
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
    // Whether IsOn tells the lock's true state; a lock's indicator shows nothing while it does not.
    bool IsKnown(LockKey key) const;

private:
    class Watcher;
    std::unique_ptr<Watcher> m_pWatcher;
};
