#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Drives the running program the way a screen reader does, over AT-SPI only: finds its windows
and controls in the accessibility tree, operates them by their accessible actions, and after
each step checks the names, states, extents and label texts a screen-reader user learns.

Usage: atspi_client.py PROGRAM
The client listens for events before it starts the program, as a screen reader that runs before
the programs it reads. The splash window has no action (it goes at a click or after five
seconds); the client learns its place from its extents and clicks it there with xdotool. At
the end it walks the window with the keyboard (xdotool keys), listening for the focus events a
screen reader follows, and then presses "Выход", which must end the program with exit code 0."""

import os

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# Roles are compared as AT-SPI's numbers: their names changed between releases ("push button" in
# AT-SPI 2.46 of Debian 12, "button" in 2.56 of Debian 13).

TIMEOUT = 10
TITLE = "Программа расшифровки цветовой маркеровки резисторов"
COLOURS = []  # the colour buttons' names by colour code, as the panel lists them
failures = []
announced = []  # (name, state, value) of state changes on checked, as a screen reader hears them
gained_focus = []  # names of the objects that said they got the focus, in order


def on_state_changed(event):
    announced.append((event.source.name, event.type.minor, event.detail1))


def on_focus_changed(event):
    if event.detail1:
        gained_focus.append(event.source.name)


def pump():
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(what, probe):
    """Polls probe() until it returns a true value, pumping events; fails after TIMEOUT s."""
    end = time.time() + TIMEOUT
    while True:
        pump()
        try:
            value = probe()
        except Exception:  # the tree may change under the walk
            value = None
        if value:
            return value
        if time.time() > end:
            sys.exit(f"FAIL: timed out waiting for {what() if callable(what) else what}")
        time.sleep(0.05)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def states(node):
    return set(node.getState().getStates())


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        sys.exit(f"FAIL: '{node.name}' offers {names}, not {action}")
    actions.doAction(names.index(action))


class MainWindow:
    def __init__(self, frame):
        self.frame = frame

    def find(self, role, name=None, prefix=None):
        for node in walk(self.frame):
            if node.getRole() != role:
                continue
            if name is not None and node.name.strip() != name:
                continue
            if prefix is not None and not node.name.startswith(prefix):
                continue
            return node
        return None

    def band(self, band):
        # A band stays selected when pressed again, like a toggle button; Qt gives such a
        # button no toggle-button role on AT-SPI, so it is a check box, whose state is read.
        return self.find(pyatspi.ROLE_CHECK_BOX, prefix=f"Полоса {band}:")

    def labels(self):
        return [n.name for n in walk(self.frame) if n.getRole() == pyatspi.ROLE_LABEL]

    def label_texts(self):
        """The labels' texts read through their text interface (None without one), not their
        names."""
        def text(node):
            try:
                return node.queryText().getText(0, -1)
            except NotImplementedError:
                return None
        return [text(n) for n in walk(self.frame) if n.getRole() == pyatspi.ROLE_LABEL]

    def check_display(self, step, selected, codes, value, unit):
        """What a screen-reader user learns after a step, against what a sighted user sees."""
        expected_labels = [f"Метка {selected}", value, unit]
        wait_for(f"{step}: labels {expected_labels}", lambda: self.labels() == expected_labels)
        check(self.label_texts() == expected_labels,
              f"{step}: the labels' texts read {self.label_texts()}")
        heading = self.find(pyatspi.ROLE_LABEL, name=f"Метка {selected}")
        check(heading.description == f"Редактируемая полоса: Полоса {selected}",
              f"{step}: the heading is described '{heading.description}'")
        window = extents(self.frame)
        for band in range(1, 5):
            picture = self.band(band)
            name = f"Полоса {band}: {COLOURS[codes[band - 1]]}"
            check(picture is not None and picture.name == name,
                  f"{step}: band {band} is named {picture.name if picture else None}, not {name}")
            if picture is None:
                continue
            group = picture.parent
            check(group.name == f"Полоса {band}" and group.getRole() == pyatspi.ROLE_PANEL and
                  pyatspi.STATE_FOCUSABLE not in states(group),
                  f"{step}: band {band} appears twice ({group.getRoleName()} '{group.name}')")
            check(pyatspi.STATE_FOCUSABLE in states(picture), f"{step}: band {band} takes no focus")
            is_checked = pyatspi.STATE_CHECKED in states(picture)
            check(is_checked == (band == selected),
                  f"{step}: band {band} {'is' if is_checked else 'is not'} checked")
            x, y, w, h = extents(picture)
            gx, gy, _, _ = extents(group)
            check((w, h) == (54, 13) and (x, y) == (gx, gy),
                  f"{step}: band {band} reports {(x, y, w, h)}, its frame is at {(gx, gy)}")
            check(window[0] <= x and x + w <= window[0] + window[2] and
                  window[1] <= y and y + h <= window[1] + window[3],
                  f"{step}: band {band} reaches outside the window {window}")
        selected_code = codes[selected - 1]
        for code, colour in enumerate(COLOURS):
            button = self.find(pyatspi.ROLE_RADIO_BUTTON, name=colour)
            s = states(button)
            offered = code >= 10 if selected == 4 else code <= 9
            check((pyatspi.STATE_SENSITIVE in s) == offered,
                  f"{step}: {colour} {'is' if offered else 'is not'} offered, AT-SPI says otherwise")
            check((pyatspi.STATE_CHECKED in s) == (code == selected_code),
                  f"{step}: {colour} checked state is wrong")


def main():
    pyatspi.Registry.registerEventListener(on_state_changed, "object:state-changed:checked")
    pyatspi.Registry.registerEventListener(on_focus_changed, "object:state-changed:focused")
    pump()
    process = subprocess.Popen([sys.argv[1]])
    program = os.path.basename(sys.argv[1])
    try:
        run(program)
        # "Выход" ends the program at once.
        if process.wait(timeout=TIMEOUT) != 0:
            sys.exit(f"FAIL: the program ended with exit code {process.returncode}")
    finally:
        if process.poll() is None:
            process.kill()


def run(program):
    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == program:
                return app
        return None

    app = wait_for("the program on the accessibility bus", application)
    splash = wait_for("the splash window", lambda: next(
        (n for n in app if n.getRole() == pyatspi.ROLE_DIALOG), None))
    check(splash.name == "Резистор" and splash.description,
          f"the splash is named '{splash.name}', described '{splash.description}'")
    x, y, w, h = extents(splash)
    check((w, h) == (273, 310), f"the splash reports {w} x {h}")
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)

    frame = wait_for("the main window", lambda: next(
        (n for n in app if n.getRole() == pyatspi.ROLE_FRAME and n.name.strip() == TITLE), None))
    window = MainWindow(frame)
    for unit in ("Om", "kOm", "mOm"):
        check(window.find(pyatspi.ROLE_PUSH_BUTTON, name=unit) is not None, f"no button named {unit}")
    # The colour panel is a panel holding the twelve colours, in the order of their codes (their
    # names are the program's own, checked by its model test); the window is the only frame.
    panel = window.find(pyatspi.ROLE_PANEL, name="Цвет выбранной полосы")
    COLOURS.extend(n.name for n in (panel or []) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON)
    if len(COLOURS) != 12 or len(set(COLOURS)) != 12:
        sys.exit(f"FAIL: no panel 'Цвет выбранной полосы' holding twelve colours: {COLOURS}")
    frames = [n.name for n in walk(frame) if n.getRole() == pyatspi.ROLE_FRAME]
    check(len(frames) == 1, f"frames in the window: {frames}")

    window.check_display("start", 1, [6, 2, 5, 11], " 6200", "kOm ±5%")

    announced.clear()
    act(window.band(4), "Press")
    window.check_display("band 4 selected", 4, [6, 2, 5, 11], " 6200", "kOm ±5%")
    wait_for(lambda: f"the selection announced (heard: {announced})",
             lambda: ("Полоса 4: Золотой", "checked", 1) in announced and
             ("Полоса 1: Голубой", "checked", 0) in announced)

    act(window.find(pyatspi.ROLE_RADIO_BUTTON, name="Серебристый"), "Toggle")
    window.check_display("silver", 4, [6, 2, 5, 10], " 6200", "kOm ±10%")

    act(window.find(pyatspi.ROLE_PUSH_BUTTON, name="mOm"), "Press")
    window.check_display("mOm", 4, [6, 2, 5, 10], " 6.2", "mOm ±10%")

    act(window.band(3), "Press")
    window.check_display("band 3 selected", 3, [6, 2, 5, 10], " 6.2", "mOm ±10%")

    act(window.find(pyatspi.ROLE_RADIO_BUTTON, name="Черный"), "Toggle")
    window.check_display("black", 3, [6, 2, 0, 10], "0.000062", "mOm ±10%")

    # The keyboard, from band 1, which has had the focus since the start. Each key moves the
    # focus to one object, and only that object says it got the focus. The colour list is one
    # stop; after band 4 is chosen, its colours are reached and applied with the arrows.
    xwindow = subprocess.run(["xdotool", "search", "--name", TITLE], check=True,
                             capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", xwindow], check=True)
    wait_for("band 1 with the focus in the active window",
             lambda: pyatspi.STATE_FOCUSED in states(window.band(1)))
    time.sleep(0.3)
    pump()
    for key, focus in [("Tab", "Полоса 2: Красный"), ("Tab", "Полоса 3: Черный"),
                       ("Tab", "Полоса 4: Серебристый"), ("Tab", "Черный"),
                       ("shift+Tab", "Полоса 4: Серебристый"), ("space", "Полоса 4: Серебристый"),
                       ("Tab", "Серебристый"), ("Down", "Золотой")]:
        gained_focus.clear()
        subprocess.run(["xdotool", "key", key], check=True)
        if key != "space":
            wait_for(lambda: f"{key}: the focus on {focus} (heard: {gained_focus})",
                     lambda: focus in gained_focus)
        time.sleep(0.3)
        pump()
        check(all(name == focus for name in gained_focus),
              f"{key}: focus events for {gained_focus}, the focus is on {focus}")
        focused = [n.name for n in walk(frame) if pyatspi.STATE_FOCUSED in states(n)]
        check(focused == [focus], f"{key}: {focused} say they have the focus, not {focus}")
    window.check_display("keyboard: band 4 gold", 4, [6, 2, 0, 11], "0.000062", "mOm ±5%")

    if failures:
        sys.exit(f"{len(failures)} check(s) failed")
    print("every step agreed with the display")
    act(window.find(pyatspi.ROLE_PUSH_BUTTON, name="Выход"), "Press")


main()
