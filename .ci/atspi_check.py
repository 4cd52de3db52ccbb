#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what a screen reader learns from the grid, through AT-SPI as a screen reader gets it:
the grid as a table, the cells' names (their content, then their place) and texts, the focus and
name-change events, the refusal of a digit, the menu items' names and key bindings and the status
bar's pane of the grid's state.
Starts the program under the X server named by DISPLAY, on the session bus this runs on, and types
into it with xdotool.

Usage: atspi_check.py PROGRAM [--log]   (--log prints every event received)
Run it with /usr/bin/python3, whose python3-pyatspi comes from Debian's package.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP_WAIT_S = 30
EVENT_WAIT_S = 10
EVENT_TYPES = [
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:property-change:accessible-name",
    "object:text-changed",
]

events = []
log = "--log" in sys.argv


def fail(message):
    print(f"atspi-check: FAIL: {message}", flush=True)
    sys.exit(1)


def on_event(event):
    try:
        name = event.source.name
        role = event.source.getRoleName()
    except Exception:  # The object may be gone already.
        name = role = "?"
    any_data = event.any_data if isinstance(event.any_data, (str, int)) else ""
    events.append((event.type, name, event.detail1, any_data, role))
    if log:
        print(f"  event {event.type} {role} [{name}] {event.detail1} {any_data!r}", flush=True)


def pump(seconds, until=lambda: False):
    """Runs the main loop for up to seconds, or until until() is true; returns until()."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)
    return until()


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def wait_for_event(kind, name, data):
    """Waits for an event of the kind from the object named name, whose detail1 (an int) or any_data is data."""

    def seen():
        return any(e[0].startswith(kind) and e[1] == name and e[2 if isinstance(data, int) else 3] == data
                   for e in events)

    if not pump(EVENT_WAIT_S, seen):
        fail(f"no {kind} event from [{name}] with {data!r}; received: {events[-12:]}")


def main():
    program = sys.argv[1]
    for event_type in EVENT_TYPES:
        pyatspi.Registry.registerEventListener(on_event, event_type)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
    process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE)
    try:
        if not pump(APP_WAIT_S, lambda: process.poll() is not None or find_app(process.pid) is not None):
            fail("the program did not reach the accessibility bus")
        if process.poll() is not None:
            fail(f"the program exited with status {process.returncode} before reaching the accessibility bus")
        app = find_app(process.pid)
        nodes = list(descendants(app))
        if log:
            for node in nodes:
                print(f"  node {node.getRoleName()} [{node.name}]", flush=True)

        grids = [n for n in nodes if n.name == "Grille" and n.getRole() != pyatspi.ROLE_MENU_ITEM]  # not the menu
        if len(grids) != 1 or grids[0].getRole() != pyatspi.ROLE_TABLE \
                or "Table" not in pyatspi.listInterfaces(grids[0]):
            fail(f"{len(grids)} objects named Grille, or not a table")
        grid = grids[0]
        cells = [n for n in descendants(grid) if n.getRole() == pyatspi.ROLE_TEXT]
        places = [f"ligne {r}, colonne {c}, carré {(r - 1) // 3 * 3 + (c - 1) // 3 + 1}"
                  for r in range(1, 10) for c in range(1, 10)]
        # An empty cell is named "vide" first, then its place.
        if [c.name for c in cells] != [f"vide, {place}" for place in places]:
            fail(f"the cells are named {[c.name for c in cells][:12]}...")
        # The grid is a table of 9 rows and 9 columns, its cells row by row, its rows and columns described.
        table = grid.queryTable()
        if (table.nRows, table.nColumns) != (9, 9) or table.getAccessibleAt(3, 1).name != f"vide, {places[28]}":
            fail(f"the table has {table.nRows} rows and {table.nColumns} columns")
        if (table.getRowDescription(3), table.getColumnDescription(1)) != ("Ligne 4", "Colonne 2"):
            fail(f"row 4 and column 2 are described {table.getRowDescription(3)!r}, {table.getColumnDescription(1)!r}")

        if not any(n.getRole() == pyatspi.ROLE_LABEL and n.name == "Plusieurs solutions" for n in nodes):
            fail("no pane of the grid's state reads 'Plusieurs solutions'")

        items = [n for n in nodes if n.getRole() == pyatspi.ROLE_MENU_ITEM]
        names = {n.name for n in items}
        if any("\t" in name for name in names) or not {"Nouveau", "Ouvrir...", "Annuler"} <= names:
            fail(f"menu items named {sorted(names)}")
        # A menu item's key binding is "mnemonic;path;shortcut", where Orca takes the shortcut from.
        bindings = {n.name: n.queryAction().getKeyBinding(0) for n in items if n.name in ("Nouveau", "Rétablir")}
        if bindings != {"Nouveau": "Alt+N;;Ctrl+N", "Rétablir": "Alt+R;;Ctrl+Y"}:
            fail(f"menu items' key bindings {bindings}")

        def named(place):
            return next(c for c in cells if c.name.endswith(place))

        # X gives the window the keyboard as a window manager would on a click: its activation's focus
        # event names the first cell, not the form.
        subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid), "--name", "Carrelix",
                        "windowfocus", "--sync"], check=True)
        wait_for_event("object:state-changed:focused", f"vide, {places[0]}", 1)

        key("5")  # accepted: the focus moves on to the second cell, where 5 breaks the row
        wait_for_event("object:state-changed:focused", f"vide, {places[1]}", 1)
        # The cell left behind is named by its new digit, told once the focus has left it.
        wait_for_event("object:property-change:accessible-name", f"5, {places[0]}", 0)
        # Orca speaks a notification as soon as it shows (its default script's showing-changed handler).
        key("5")
        refusal = "5 refusé, déjà dans la ligne"
        wait_for_event("object:state-changed:showing", refusal, 1)
        if not any(e[1] == refusal and e[4] == "notification" for e in events):
            fail("the refusal is not told by a notification")
        second = named(places[1])
        if text_of(second) != "" or not second.getState().contains(pyatspi.STATE_FOCUSED):
            fail("the refused digit's cell is not empty and focused")
        # The digit came and went: the cell's name, which says what the grid holds, is not told to change.
        pump(0.5)
        if any(e[0].endswith("accessible-name") and e[1].endswith(places[1]) for e in events):
            fail("the refused digit's cell was told of a new name")

        key("Down")  # the arrow ends the notice and moves to the cell below
        wait_for_event("object:state-changed:focused", f"vide, {places[10]}", 1)
        notices = [n for n in descendants(app) if n.getRole() == pyatspi.ROLE_NOTIFICATION]
        if len(notices) != 1 or notices[0].getState().contains(pyatspi.STATE_SHOWING):
            fail("the notice of the refusal did not end with the next key")
        key("7")  # a cell's text is its digit
        for place, digit in ((places[0], "5"), (places[10], "7")):
            cell = named(place)
            if not pump(EVENT_WAIT_S, lambda: text_of(cell) == digit):
                fail(f"[{place}] holds {text_of(cell)!r}, not {digit!r}")

        # Back onto the 7: the cell, which selects its text as it gets the focus, reports no selection,
        # so that Orca does not say the digit and "selected" before the cell.
        key("Left")
        wait_for_event("object:state-changed:focused", f"7, {places[10]}", 1)
        seventh = named(places[10])
        if seventh.queryText().getNSelections() != 0:
            fail("the focused cell reports its text selected")
        key("BackSpace")  # the name follows the cell emptied, for Where Am I
        wait_for_event("object:property-change:accessible-name", f"vide, {places[10]}", 0)
        if seventh.name != f"vide, {places[10]}":
            fail(f"the emptied cell is named {seventh.name!r}")
    finally:
        process.terminate()
        try:
            output = process.communicate(timeout=10)[0]
        except subprocess.TimeoutExpired:
            process.kill()  # so that no program outlives the check
            process.wait()
            fail("the program still ran 10 s after SIGTERM")
    # Standard output has the rule's own line, in its single-byte text, and nothing of the notices.
    if output != b"valeur trouv\xe9e dans ligne":
        fail(f"standard output was {output!r}")
    print(f"atspi-check: passed ({len(events)} events)", flush=True)


main()
