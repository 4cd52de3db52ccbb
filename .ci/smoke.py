#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts a program under the X server named by DISPLAY, waits for its main window, closes that
window as a user would (the window manager's WM_DELETE_WINDOW message), then checks that the
program exits by itself, with status 0 and nothing alarming on its standard error.

Usage: smoke.py [--wm-class CLASS] TITLE PROGRAM [ARGUMENT...]
  TITLE: a part of the window's name; CLASS: the class the window's WM_CLASS must name, as the
  desktop entry's StartupWMClass does
Run it with /usr/bin/python3, whose python3-xlib comes from Debian's package.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom, display, error
from Xlib.protocol import event

WINDOW_WAIT_S = 20
EXIT_WAIT_S = 20
POLL_S = 0.1

# Sanitizer reports, crashes, and Qt's own warnings (prefixed through QT_MESSAGE_PATTERN below):
# a program that opens and closes its window cleanly prints none of them.
ALARMING = re.compile(
    r"AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:|"
    r"^qt-(warning|critical|fatal):|ASSERT|terminate called|Segmentation fault|Aborted"
)


def fail(message):
    print(f"smoke: FAIL: {message}", flush=True)
    sys.exit(1)


def window_name(disp, window):
    utf8 = window.get_full_property(disp.intern_atom("_NET_WM_NAME"), disp.intern_atom("UTF8_STRING"))
    if utf8 is not None:
        return utf8.value.decode("utf-8", "replace")
    name = window.get_wm_name()
    return name if isinstance(name, str) else ""


def window_pid(disp, window):
    pid = window.get_full_property(disp.intern_atom("_NET_WM_PID"), Xatom.CARDINAL)
    return pid.value[0] if pid is not None and len(pid.value) else None


def find_window(disp, title, pid):
    """The mapped top-level window of process pid whose name contains title, or None."""
    for window in disp.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            if title in window_name(disp, window) and window_pid(disp, window) in (None, pid):
                return window
        except error.BadWindow:
            continue  # It went away while we looked.
    return None


def wait_for_window(disp, title, program):
    deadline = time.monotonic() + WINDOW_WAIT_S
    while time.monotonic() < deadline:
        if program.poll() is not None:
            return None
        window = find_window(disp, title, program.pid)
        if window is not None:
            return window
        time.sleep(POLL_S)
    return None


def close_like_a_user(disp, window):
    """Sends WM_DELETE_WINDOW, as a window manager does when the user clicks the close button."""
    protocols = disp.intern_atom("WM_PROTOCOLS")
    delete = disp.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        fail("the window does not take WM_DELETE_WINDOW, so a window manager could not close it")
    message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    disp.flush()


def check_wm_class(window, expected):
    wm_class = window.get_wm_class()
    if wm_class is None or wm_class[1] != expected:
        fail(f"the window's WM_CLASS is {wm_class}, not of the class '{expected}'")
    print(f"smoke: WM_CLASS {wm_class} names the class '{expected}'", flush=True)


def main():
    arguments = sys.argv[1:]
    wm_class = None
    if arguments[:1] == ["--wm-class"] and len(arguments) > 1:
        wm_class, arguments = arguments[1], arguments[2:]
    if len(arguments) < 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    title, command = arguments[0], arguments[1:]
    disp = display.Display()
    env = dict(os.environ, QT_MESSAGE_PATTERN="qt-%{type}: %{message}")
    with tempfile.TemporaryDirectory() as runtime_dir, tempfile.TemporaryFile("w+") as stderr:
        # A private runtime directory, since Qt warns when the session has none.
        env["XDG_RUNTIME_DIR"] = runtime_dir
        started = time.monotonic()
        program = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stderr=stderr)
        try:
            window = wait_for_window(disp, title, program)
            if window is None:
                status = program.poll()
                if status is None:
                    fail(f"no mapped window named like '{title}' within {WINDOW_WAIT_S} s")
                fail(f"the program exited with status {status} before showing a window named like '{title}'")
            print(f"smoke: window 0x{window.id:x} '{window_name(disp, window)}' mapped after "
                  f"{time.monotonic() - started:.1f} s", flush=True)
            if wm_class is not None:
                check_wm_class(window, wm_class)
            print("smoke: sending WM_DELETE_WINDOW", flush=True)
            close_like_a_user(disp, window)
            try:
                status = program.wait(timeout=EXIT_WAIT_S)
            except subprocess.TimeoutExpired:
                fail(f"the program still runs {EXIT_WAIT_S} s after its window was asked to close")
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
            stderr.seek(0)
            output = stderr.read()
            if output:
                print("smoke: the program's standard error:\n" + output, end="" if output.endswith("\n") else "\n")
        # The alarming lines first: a sanitizer's report says more than the status it exits with.
        alarming = [line for line in output.splitlines() if ALARMING.search(line)]
        if alarming:
            fail("alarming lines on standard error:\n  " + "\n  ".join(alarming))
        if status != 0:
            fail(f"the program exited with status {status}")
    print(f"smoke: PASS: {command[0]} closed cleanly after {time.monotonic() - started:.1f} s", flush=True)


if __name__ == "__main__":
    main()
