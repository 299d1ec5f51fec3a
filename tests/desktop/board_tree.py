#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the board through AT-SPI, as a screen reader does: the roles, states, names and actions
of its elements, and the events that tell of a roll, a held die and a candidate score.

Run by run_atspi_test.sh inside a private X server and D-Bus session: board_tree.py PROGRAM."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

TIMEOUT = 20  # seconds for anything to show up
problems = []
heard = []  # (event type, source role, source name, detail1)


def check(condition, what):
    if not condition:
        problems.append(what)
    return condition


def wait_for(predicate, timeout=TIMEOUT):
    """Lets AT-SPI deliver events until predicate() holds; the value, or None at the timeout."""
    context = GLib.MainContext.default()
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)
    return None


def find_board():
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # the game may have joined since the last look
    for app in desktop:
        if app is not None and app.name == "Korvex":
            for window in app:
                if window is not None and window.name == "Korvex":
                    return window
    return None


def children(window):
    return [child for child in window if child is not None]


def actions(element):
    try:
        action = element.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def states(element):
    return set(element.getState().getStates())


def named(window, prefix):
    return [c for c in children(window) if c.name and c.name.startswith(prefix)]


def press(element):
    element.queryAction().doAction(actions(element).index("Press"))


def on_event(event):
    try:
        heard.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone already
        pass


def status_said(prefix):
    return lambda: any(t.startswith("object:property-change:accessible-name") and
                       role == "status bar" and (name or "").startswith(prefix)
                       for t, role, name, _ in heard)


def check_fresh_board(board):
    kids = children(board)
    check(board.getRoleName() == "frame", "the board is a %s, not a frame" % board.getRoleName())
    fillers = [c.name for c in kids if c.getRoleName() == "filler"]
    check(not fillers, "unnamed or hidden parts in the tree: %s" % fillers)
    dice = named(board, "Die ")
    check(len(dice) == 5, "%d dice in the tree, not 5" % len(dice))
    for die in dice:
        check(die.getRoleName() in ("toggle button", "push button"),
              "%s is a %s" % (die.name, die.getRoleName()))
        check("Press" in actions(die), "%s cannot be pressed" % die.name)
    names = [c.name for c in kids]
    check("START" in names and "New Game" not in names, "New Game under START is in the tree")
    for box in named(board, "Ones: ") + named(board, "Chance: "):
        s = states(box)
        check(box.getRoleName() == "text", "%s is a %s" % (box.name, box.getRoleName()))
        check(pyatspi.STATE_READ_ONLY in s and pyatspi.STATE_EDITABLE not in s,
              "%s is not read-only text" % box.name)
    for link in ("Statistics", "Hint", "Help/", "About"):
        found = [c for c in kids if c.name == link]
        check(found and found[0].getRoleName() == "link" and "Press" in actions(found[0]),
              "%s is no link with a press action" % link)
    status = [c for c in kids if c.getRoleName() == "status bar"]
    check(len(status) == 1, "no status line")


def play_and_listen(board):
    pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                           "object:state-changed:checked")
    press([c for c in children(board) if c.name == "START"][0])
    check(wait_for(status_said("Roll 1 of 3: ")), "no word of the first roll: %s" % heard)
    names = [c.name for c in children(board)]
    check("New Game" in names and "START" not in names, "START still in the tree after it")
    check(len(named(board, "Die ")) == 5, "not five dice after the roll: %s" % names)
    die = named(board, "Die 1: ")[0]
    press(die)
    check(wait_for(lambda: pyatspi.STATE_CHECKED in states(die)), "a held die is not checked")
    check(wait_for(lambda: any(t.startswith("object:state-changed:checked") and d == 1
                               for t, _, _, d in heard)), "no word of the held die")
    press(named(board, "Ones: ")[0])
    check(wait_for(status_said("Ones: ")), "no word of the candidate")
    check(wait_for(lambda: named(board, "Ones: ")[0].name.endswith(" if scored now")),
          "the candidate reads as a recorded score: %s" % named(board, "Ones: ")[0].name)


def start_accessibility_bus():
    """Starts the accessibility bus and its registry before the game looks for them: a game that
    comes first finds no registry to join and stays out of every screen reader's sight."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                  GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, TIMEOUT * 1000, None)
    pyatspi.Registry.getDesktop(0).childCount  # asking the registry starts it


def main(program):
    start_accessibility_bus()
    log = open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "korvex.log"), "w+")
    game = subprocess.Popen([program], stdout=log, stderr=subprocess.STDOUT)
    try:
        board = wait_for(find_board, timeout=60)
        if not board:
            log.seek(0)
            desktop = pyatspi.Registry.getDesktop(0)
            seen = [(app.name, [w.name for w in app if w]) for app in desktop if app]
            print("the board never showed in the AT-SPI tree (%s); the game said:\n%s" %
                  (seen, log.read()))
            return 1
        check_fresh_board(board)
        play_and_listen(board)
    finally:
        game.terminate()
        game.wait(10)
    for problem in problems:
        print("FAIL:", problem)
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
