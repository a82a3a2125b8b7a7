#!/usr/bin/python3
"""Takes a picture of each window of the running program.

Drives the program as an installer would, through the accessibility tree:
windows are found by their titles, controls by their roles and visible names,
buttons are pressed through their accessible action and text goes in through
the editable-text interface. A control that is not there yet is noted on
stderr and its step skipped, so the tour picks new windows up as they come.

Started by scripts/screenshots.sh inside a private session bus on a virtual
display; it starts the program itself. Loading pyatspi starts the accessibility
bus (at-spi-bus-launcher) on that session bus, before the program looks for it.
"""

import argparse
import os
import sqlite3
import subprocess
import sys
import time

import pyatspi

INSTALLER_CODE = "1234"

# Window titles, as the windows show them.
TRANSFER = "GSM-Sentrova paraméterbeállítás"
EDITOR = "GSM-Sentrova   -   Paraméterek beállítása"
STATUS = "GSM-Sentrova állapotfigyelés"
EVENT_LIST = "GSM-Sentrova  Rövid eseménylista"
CLOCK = "GSM-Sentrova - Óra ellenőrzése / beállítása"
RADIO = "Rádiós eszközök tanítása"
FIRMWARE = "Firmware Letöltő"
HISTORY = "Előzmények"

# The main window is the one with the connect button; its title carries the version.
CONNECT = "Soros kapcsolat létrehozása"

START_TIMEOUT_S = 30  # splash and start-up take two seconds
WINDOW_TIMEOUT_S = 10
TRANSACTION_TIMEOUT_S = 60
SETTLE_S = 0.5  # lets a window finish painting before its picture

BUTTON = pyatspi.ROLE_PUSH_BUTTON


class Missing(Exception):
    """A control or window of the tour is not (yet) in the program."""


class Fatal(Exception):
    """The tour cannot go on."""


def note(text):
    print(f"screenshots: {text}", file=sys.stderr, flush=True)


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # the control went away while we looked
        return False


def sensitive(acc):
    return acc.getState().contains(pyatspi.STATE_SENSITIVE)


def find(root, role, name, prefix=False):
    """The first showing control of this role and name under root, breadth first."""
    queue = [root]
    while queue:
        acc = queue.pop(0)
        for child in acc:
            if child is None or not showing(child):
                continue
            if child.getRole() == role and (child.name.startswith(name) if prefix else child.name == name):
                return child
            queue.append(child)
    return None


def wait_for(condition, timeout_s, what):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    raise Missing(f"{what} did not happen within {timeout_s} s")


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise Missing(f"'{acc.name}' cannot be pressed (actions: {names})")


class Program:
    """The running program as its accessibility tree and its X windows show it."""

    def __init__(self, process):
        self.process = process
        self.app = None

    def check_alive(self):
        if self.process.poll() is not None:
            raise Fatal(f"the program ended (exit status {self.process.returncode})")

    def windows(self):
        self.check_alive()
        if self.app is None:
            desktop = pyatspi.Registry.getDesktop(0)
            self.app = next((a for a in desktop if a is not None and a.get_process_id() == self.process.pid), None)
            if self.app is None:
                return []
        return [w for w in self.app if w is not None and showing(w)]

    def window(self, title):
        return next((w for w in self.windows() if w.name == title), None)

    def main_window(self):
        return next((w for w in self.windows() if find(w, BUTTON, CONNECT)), None)

    def message_boxes(self):
        return [w for w in self.windows() if w.getRole() == pyatspi.ROLE_ALERT]

    def dismiss_message_boxes(self):
        """Notes what an unexpected message box says and closes it with its first button."""
        for box in self.message_boxes():
            texts = [c.name for c in box if c is not None and c.getRole() == pyatspi.ROLE_LABEL and c.name]
            note(f"the program said: {' / '.join(texts) or box.name}")
            button = find(box, BUTTON, "", prefix=True)
            if button is not None:
                press(button)
                wait_for(lambda: not showing(box), WINDOW_TIMEOUT_S, "closing the message box")

    def x_window(self, title):
        """The X window id of the visible window with this title."""
        ids = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid)],
                             capture_output=True, text=True).stdout.split()
        for wid in ids:
            name = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True).stdout
            name = name.rstrip("\n")
            # The display adds the program's name after a dash.
            if name == title or name.startswith(title + " \u2014 "):
                return wid
        raise Missing(f"no X window is titled '{title}'")


class Tour:
    def __init__(self, program, outdir):
        self.program = program
        self.outdir = outdir
        self.pictures = []
        self.skipped = []

    def skip(self, what, why):
        self.skipped.append(what)
        note(f"skipped {what}: {why}")

    def control(self, window, name, role=BUTTON, prefix=False):
        acc = find(window, role, name, prefix)
        if acc is None:
            raise Missing(f"'{window.name}' has no control '{name}'")
        return acc

    def run(self, window, steps):
        for step in steps:
            try:
                step.do(self, window)
            except Missing as missing:
                self.skip(step.describe(), missing)
            self.program.dismiss_message_boxes()


# The steps of the tour. Each does one thing in the window it is given.

class Press:
    """Presses a button; with `stays_down`, it must turn insensitive (as connect does)."""

    def __init__(self, button, stays_down=False):
        self.button, self.stays_down = button, stays_down

    def describe(self):
        return f"pressing '{self.button}'"

    def do(self, tour, window):
        button = tour.control(window, self.button)
        press(button)
        if self.stays_down:
            try:
                wait_for(lambda: not sensitive(button), WINDOW_TIMEOUT_S, f"'{self.button}' taking effect")
            except Missing as missing:
                raise Fatal(str(missing)) from None


class Type:
    """Types text into the edit box that stands under a label, as a person reads the form."""

    def __init__(self, label, text):
        self.label, self.text = label, text

    def describe(self):
        return f"typing into '{self.label}'"

    def do(self, tour, window):
        label = tour.control(window, self.label, pyatspi.ROLE_LABEL)
        siblings = list(label.parent)
        after = siblings[label.getIndexInParent() + 1:]
        box = next((c for c in after if c.getRole() == pyatspi.ROLE_TEXT), None)
        if box is None:
            raise Missing(f"no edit box follows '{self.label}'")
        box.queryEditableText().setTextContents(self.text)


class Run:
    """Presses a button that runs a transaction and waits until the button is enabled again."""

    def __init__(self, button):
        self.button = button

    def describe(self):
        return f"running '{self.button}'"

    def do(self, tour, window):
        button = tour.control(window, self.button)
        press(button)
        time.sleep(SETTLE_S)

        def finished():
            tour.program.dismiss_message_boxes()
            return sensitive(button)

        wait_for(finished, TRANSACTION_TIMEOUT_S, f"'{self.button}' finishing")


class Wait:
    """Lets the window run by itself (polls, timers)."""

    def __init__(self, seconds):
        self.seconds = seconds

    def describe(self):
        return f"waiting {self.seconds} s"

    def do(self, tour, window):
        deadline = time.monotonic() + self.seconds
        while time.monotonic() < deadline:
            tour.program.check_alive()
            time.sleep(0.2)


class Shot:
    """Saves a picture of the window, cropped to it."""

    def __init__(self, picture):
        self.picture = picture

    def describe(self):
        return f"{self.picture}.png"

    def do(self, tour, window):
        wid = tour.program.x_window(window.name)
        subprocess.run(["xdotool", "windowraise", wid], check=True)
        time.sleep(SETTLE_S)
        path = os.path.join(tour.outdir, self.picture + ".png")
        subprocess.run(["import", "-window", wid, path], check=True)
        tour.pictures.append(path)


class Page(Shot):
    """Selects a tab page by its caption and saves a picture of it."""

    def __init__(self, tab, picture):
        super().__init__(picture)
        self.tab = tab

    def do(self, tour, window):
        tab = tour.control(window, self.tab, pyatspi.ROLE_PAGE_TAB)
        press(tab)
        # The tab bar carries the caption of its current page as its name.
        wait_for(lambda: tab.parent.name == tab.name, WINDOW_TIMEOUT_S, f"tab '{self.tab}' opening")
        super().do(tour, window)


class Describe:
    """Gives the archived entries a site and notes, as an installer types them into the history
    window's table (which the tour cannot reach through the accessibility tree): written into the
    program's archive file, which the window reads afresh when it opens."""

    def __init__(self, site, notes):
        self.site, self.notes = site, notes

    def describe(self):
        return "naming the archived entries' site"

    def do(self, tour, window):
        path = os.path.join(os.environ.get("SENTROVA_DATA_DIR", ""), "archive.sqlite")
        if not os.path.exists(path):
            raise Missing("the program keeps no archive")
        with sqlite3.connect(path, timeout=10) as db:
            db.execute("UPDATE entries SET site = ?", (self.site,))
            for entry_id, note in self.notes.items():
                db.execute("UPDATE entries SET note = ? WHERE id = ?", (note, entry_id))


class Visit:
    """Opens a window with a button, runs steps in it, closes it with its own button."""

    def __init__(self, opener, title, steps, closer="Ablak bezárása"):
        self.opener, self.title, self.steps, self.closer = opener, title, steps, closer

    def describe(self):
        return f"the window '{self.title}'"

    def do(self, tour, window):
        press(tour.control(window, self.opener))
        opened = wait_for(lambda: tour.program.window(self.title), WINDOW_TIMEOUT_S,
                          f"'{self.title}' opening")
        tour.run(opened, self.steps)
        try:
            press(tour.control(opened, self.closer))
            wait_for(lambda: not showing(opened), WINDOW_TIMEOUT_S, f"'{self.title}' closing")
        except Missing as missing:
            note(f"left '{self.title}' open: {missing}")


def tour_steps(with_firmware):
    steps = [
        Press(CONNECT, stays_down=True),
        Type("Telepítői kód megadása", INSTALLER_CODE),
        Shot("main"),
        Visit("Paraméterek beállítása", TRANSFER, [
            Run("<-- Adatok beolvasása a modulból"),
            Shot("transfer-read"),
            Visit("Adatok szerkesztése", EDITOR, [
                Page("Zónák", "editor-zones"),
                Page("Felhasználók", "editor-users"),
                Page("Események", "editor-events"),
                Page("Relé kimenetek", "editor-relays"),
                Page("Telefonszámok & egyéb paraméterek", "editor-phones"),
                Page("Rádiós eszközök beállításai", "editor-radio"),
            ], closer="Beállítások Visszavonása"),
            Run("<--> Adatok összehasonlítása"),
            Run("--> Adatok áttöltése a modulba"),
            Describe("Malom utca 3.", {1: "átadás előtti állapot", 3: "szirénaidők egyeztetve"}),
            Visit("Előzmények…", HISTORY, [Shot("history")]),
        ]),
        Visit("Modul állapotának figyelése", STATUS, [
            Run("Zóna nevek leolvasása"),
            Wait(4),
            Shot("status"),
        ]),
        Visit("Rövid eseménylista lekérdezése", EVENT_LIST, [
            Run("Zóna / Felhaszn. nevek letöltése"),
            Run("Eseménylista lekérdezése"),
            Shot("eventlist"),
        ]),
        Visit("Óra ellenőrzése / beállítása", CLOCK, [
            Shot("clock"),
        ]),
        Visit("Rádiós eszközök tanítása", RADIO, [
            Wait(2),
            Shot("radio"),
        ]),
    ]
    if with_firmware:
        steps.append(Visit("Firmware", FIRMWARE, [Shot("firmware")]))
    else:
        note("skipped firmware.png: the program has no --firmware option yet")
    return steps


def start(args):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    command = [args.program, "--port", args.port] + (["--firmware"] if args.firmware else [])
    return subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=args.log)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--display", required=True, help="the X display of the program and the pictures")
    parser.add_argument("--program", required=True)
    parser.add_argument("--port", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--firmware", action="store_true", help="the program shows its firmware button on --firmware")
    parser.add_argument("--log", type=argparse.FileType("w"), default=subprocess.DEVNULL,
                        help="where the program's own messages go")
    args = parser.parse_args()
    os.environ["DISPLAY"] = args.display

    program = None
    try:
        program = Program(start(args))
        try:
            main_window = wait_for(program.main_window, START_TIMEOUT_S, "the main window showing")
        except (Missing, Fatal) as failure:
            raise Fatal(f"the program did not come up: {failure}") from None
        tour = Tour(program, args.out)
        tour.run(main_window, tour_steps(args.firmware))
        press(tour.control(main_window, "Kilépés"))
        try:
            program.process.wait(timeout=WINDOW_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            note("the program did not end on 'Kilépés'")
        print(f"{len(tour.pictures)} pictures in {args.out}" +
              (f"; skipped {len(tour.skipped)} step(s)" if tour.skipped else ""))
        return 0
    except Fatal as fatal:
        note(str(fatal))
        return 1
    finally:
        if program is not None and program.process.poll() is None:
            program.process.terminate()
            try:
                program.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                program.process.kill()


if __name__ == "__main__":
    sys.exit(main())
