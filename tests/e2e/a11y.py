#!/usr/bin/python3
"""The game as a blind player's screen reader meets it, over AT-SPI.

Run inside a private session bus on an X display (a11y.sh sets both up):
finds the game's window and its board table, checks every cell's name
against the colour on screen, plays one legal move with the keyboard alone
and follows the names as the board settles.

Usage: a11y.py <path to zorbel>; exit status 0 passed, 1 failed.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 15  # seconds for anything the game should do "at once"
COLS, ROWS = 15, 10
CAPTION = "Зорбель"
NAMES = ["красный", "жёлтый", "зелёный", "голубой", "синий", "пурпурный", "слоновая кость", "оранжевый"]
# Body tones of the eight balls, and a point on the lit body of a ball
# counted from its cell's corner, below and right of the shine.
BODY = [(214, 0, 0), (214, 214, 0), (0, 214, 0), (0, 214, 214), (0, 0, 214), (214, 0, 214), (204, 196, 187), (232, 112, 8)]
BODY_POINT = 23

failures = []
name_events = []  # (cell index, new name)
focus_events = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    failures.append(message)


def on_event(event):
    try:
        if event.source.getRoleName() != "table cell":
            return
        index = event.source.getIndexInParent()
    except Exception:  # a cell gone meanwhile says nothing useful
        return
    if event.type.startswith("object:property-change:accessible-name"):
        name_events.append((index, event.source.name))
    elif event.detail1 == 1:
        focus_events.append(index)


def pump(until, timeout=TIMEOUT):
    """Runs the event loop until until() holds; False on timeout."""
    context = GLib.MainContext.default()
    deadline = time.time() + timeout
    while time.time() < deadline:
        while context.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return False


def find(node, role, name=None, depth=0, collect=None):
    """The first node of the role (and name) below node; with collect, the
    names of all such nodes are gathered there instead."""
    if node is None or depth > 8:
        return None
    if node.getRoleName() == role and (name is None or node.name == name):
        if collect is None:
            return node
        collect.append(node.name)
    for k in range(node.childCount):
        hit = find(node.getChildAtIndex(k), role, name, depth + 1, collect)
        if hit is not None:
            return hit
    return None


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def screen():
    """The whole screen as (width, rgb bytes)."""
    width = int(re.search(r"Width: (\d+)", subprocess.check_output(["xwininfo", "-root"], text=True)).group(1))
    return width, subprocess.check_output(["import", "-window", "root", "-depth", "8", "rgb:-"])


def colour_on_screen(shot, cell):
    width, rgb = shot
    x, y, _, _ = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    at = ((y + BODY_POINT) * width + x + BODY_POINT) * 3
    pixel = rgb[at:at + 3]
    distances = [sum((a - b) ** 2 for a, b in zip(pixel, body)) for body in BODY]
    return distances.index(min(distances)) + 1


def colour_named(name):
    return NAMES.index(name.split(", ")[0]) + 1 if name.split(", ")[0] in NAMES else 0


def names(table):
    return [table.getChildAtIndex(k).name for k in range(table.childCount)]


def check_names_against_screen(table, when):
    shot = screen()
    wrong = [k + 1 for k in range(table.childCount)
             if colour_named(table.getChildAtIndex(k).name) != colour_on_screen(shot, table.getChildAtIndex(k))]
    if wrong:
        fail(f"{when}: the names of cells {wrong[:10]} do not match the colours on screen")


def find_move(colours):
    """A swap of neighbours (cell numbers from 1) that makes a line, or None."""
    def line(b):
        for r in range(ROWS):
            for c in range(COLS):
                x = b[r * COLS + c]
                if c + 2 < COLS and b[r * COLS + c + 1] == x == b[r * COLS + c + 2]:
                    return True
                if r + 2 < ROWS and b[(r + 1) * COLS + c] == x == b[(r + 2) * COLS + c]:
                    return True
        return False
    for i in range(COLS * ROWS):
        for j, next_to in ((i + 1, (i + 1) % COLS != 0), (i + COLS, i + COLS < COLS * ROWS)):
            if not next_to:
                continue
            b = list(colours)
            b[i], b[j] = b[j], b[i]
            if line(b):
                return i + 1, j + 1
    return None


def main(zorbel):
    desktop = pyatspi.Registry.getDesktop(0)  # starts the registry before the game looks for it
    game = subprocess.Popen([zorbel], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        app = None
        if not pump(lambda: any(desktop.getChildAtIndex(k) is not None and desktop.getChildAtIndex(k).name == "zorbel"
                                for k in range(desktop.childCount))):
            fail("the game never appeared on the accessibility bus")
            return
        app = next(desktop.getChildAtIndex(k) for k in range(desktop.childCount)
                   if desktop.getChildAtIndex(k) is not None and desktop.getChildAtIndex(k).name == "zorbel")
        frame = find(app, "frame", CAPTION)
        table = find(frame, "table", "Игровое поле")
        if frame is None or table is None:
            fail(f"no window '{CAPTION}' holding a table 'Игровое поле'")
            return
        grid = table.queryTable()
        if (table.childCount, grid.nRows, grid.nColumns) != (150, 10, 15):
            fail(f"the table has {table.childCount} cells in {grid.nRows} x {grid.nColumns}, not 150 in 10 x 15")
            return
        print(f"table of {table.childCount} cells; cell 1 is '{table.getChildAtIndex(0).name}'")
        xdotool("search", "--sync", "--onlyvisible", "--name", f"^{CAPTION}$")
        check_names_against_screen(table, "at start")

        labels = []
        find(frame, "label", collect=labels)
        count = next((int(m.group(1)) for m in map(re.compile(r"^Ходов: (\d+)$").match, labels) if m), 0)
        start = names(table)
        move = find_move([colour_named(n) for n in start])
        print(f"moves shown: {count}; the names offer the move {move}")
        if count == 0 or move is None:
            fail(f"the board shows {count} moves, the names offer {move}")
            return

        pyatspi.Registry.registerEventListener(
            on_event, "object:property-change:accessible-name", "object:state-changed:focused")
        a, b = move
        win = xdotool("search", "--onlyvisible", "--name", f"^{CAPTION}$").split()[0]
        xdotool("windowfocus", "--sync", win)
        keys = ["Up"] + ["Right"] * ((a - 1) % COLS) + ["Down"] * ((a - 1) // COLS)
        xdotool("key", "--delay", "20", *keys)
        if not pump(lambda: focus_events and focus_events[-1] == a - 1):
            fail(f"the keyboard cursor on cell {a} was never announced as the focus")
        if not table.getChildAtIndex(a - 1).getState().contains(pyatspi.STATE_FOCUSED):
            fail(f"cell {a} under the cursor is not focused")
        if name_events:
            fail(f"moving the cursor changed names: {name_events[:5]}")

        xdotool("key", "space", "Right" if b == a + 1 else "Down", "space")
        pump(lambda: any(n != s for n, s in zip(names(table), start)))
        # The board is quiet when nothing is marked and no name has changed
        # for a good while (the cycle ticks four times a second).
        def quiet():
            if any(", отмечен" in n for n in names(table)):
                return False
            last = len(name_events)
            pump(lambda: len(name_events) != last, timeout=1.0)
            return len(name_events) == last
        if not pump(quiet, timeout=60):
            fail("the board never came to rest after the move")
        end = names(table)
        changed = {k for k in range(150) if end[k] != start[k]}
        print(f"after the move {len(changed)} cells have new names, {len(name_events)} name changes were announced")
        if not changed:
            fail("the move changed no cell's name")
        unheard = sorted(k + 1 for k in changed - {k for k, _ in name_events})
        if unheard:
            fail(f"cells {unheard[:10]} changed their names without announcing it")
        check_names_against_screen(table, "after the move")

        xdotool("windowfocus", "--sync", win)
        xdotool("key", "Escape")
        game.wait(TIMEOUT)
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


if __name__ == "__main__":
    main(sys.argv[1])
    sys.exit(1 if failures else 0)
