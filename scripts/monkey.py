#!/usr/bin/python3
"""Sends random input to the program for a while and watches it fall over.

Started by scripts/monkey.sh inside a private session bus, with a virtual
display. Runs the module simulator and the program (both built with the
sanitizers), and for SECONDS picks one action after another with a random
generator seeded by SEED: clicks on controls found through the accessibility
tree, keys, typed and pasted text, wheel turns, window closes, opening the
windows and the editor's pages, and now and then a simulator that restarts with
another fault or vanishes for a while. The same seed makes the same choices.

A finding is a sanitizer report or a Qt warning in the program's or the
simulator's output (the program runs with fatal warnings, so each comes with a
stack), either of them ending on its own, or a hang: the program not answering
the accessibility bus for HANG_S seconds. Each finding is written to a file
with the seed and the last actions; the program (or simulator) is then started
again and the run goes on until its time is up.
"""

import argparse
import collections
import os
import random
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib
from Xlib import X, Xatom
from Xlib import display as xdisplay
from Xlib import error as xerror
from Xlib.protocol import event as xevent

HANG_S = 10
START_TIMEOUT_S = 90  # the sanitizers make start-up slow
ACTIONS_KEPT = 200
INSTALLER_CODE = "1234"

MAIN_WINDOW_BUTTON = "Soros kapcsolat létrehozása"
MAIN_TITLE = "GSM-Sentrova  v"
# Buttons that open a window, and where they are.
OPENERS = [
    "Paraméterek beállítása",
    "Rövid eseménylista lekérdezése",
    "Modul verziójának lekérdezése",
    "Modul állapotának figyelése",
    "Óra ellenőrzése / beállítása",
    "Rádiós eszközök tanítása",
    "Firmware",
    " >>", ">>", "<<",
    "Adatok szerkesztése",
]
CODE_FIELD = "Telepítői kód megadása"
QUIT_BUTTON = "Kilépés"  # ends the program
# The buttons of Qt's file dialog, in Hungarian and in English.
ACCEPT_BUTTONS = ["Megnyitás", "Mentés", "Open", "Save"]
CANCEL_BUTTONS = ["Mégse", "Cancel"]

R = pyatspi
# Controls a person clicks; what lies inside lists, tables and combo boxes is
# reached by clicking into them, not by walking their rows.
TARGET_ROLES = {
    R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_PAGE_TAB,
    R.ROLE_COMBO_BOX, R.ROLE_SPIN_BUTTON, R.ROLE_TEXT, R.ROLE_PASSWORD_TEXT, R.ROLE_SLIDER, R.ROLE_SCROLL_BAR,
    R.ROLE_LIST, R.ROLE_LIST_BOX, R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_TREE_TABLE, R.ROLE_MENU_ITEM,
    R.ROLE_CHECK_MENU_ITEM, R.ROLE_RADIO_MENU_ITEM, R.ROLE_STATUS_BAR, R.ROLE_LABEL, R.ROLE_PROGRESS_BAR,
    R.ROLE_PANEL, R.ROLE_MENU,
}
LEAF_ROLES = {
    R.ROLE_COMBO_BOX, R.ROLE_SPIN_BUTTON, R.ROLE_TEXT, R.ROLE_PASSWORD_TEXT, R.ROLE_LIST, R.ROLE_LIST_BOX,
    R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_TREE_TABLE, R.ROLE_PUSH_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON,
    R.ROLE_SCROLL_BAR, R.ROLE_SLIDER,
}
# How much more often a role is picked than a label or a panel.
ROLE_WEIGHT = {
    R.ROLE_PUSH_BUTTON: 6, R.ROLE_CHECK_BOX: 3, R.ROLE_RADIO_BUTTON: 3, R.ROLE_PAGE_TAB: 3, R.ROLE_COMBO_BOX: 3,
    R.ROLE_SPIN_BUTTON: 3, R.ROLE_TEXT: 3, R.ROLE_TABLE: 3, R.ROLE_LIST: 2, R.ROLE_MENU_ITEM: 4,
    R.ROLE_TOGGLE_BUTTON: 3, R.ROLE_LABEL: 0.3, R.ROLE_PANEL: 0.3, R.ROLE_PROGRESS_BAR: 0.3,
}
PRESS_ROLES = {R.ROLE_PUSH_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_PAGE_TAB, R.ROLE_TOGGLE_BUTTON,
               R.ROLE_MENU_ITEM, R.ROLE_CHECK_MENU_ITEM, R.ROLE_RADIO_MENU_ITEM}
PRESS_TIMEOUT_MS = 1500
WHEEL_ROLES = {R.ROLE_SPIN_BUTTON, R.ROLE_COMBO_BOX, R.ROLE_LIST, R.ROLE_TABLE, R.ROLE_SCROLL_BAR,
               R.ROLE_SLIDER, R.ROLE_TEXT, R.ROLE_LIST_BOX}
MAX_NODES = 2500  # the most controls looked at in one window

KEYS = ["Escape", "Tab", "shift+Tab", "BackSpace", "Delete", "Return", "space", "Up", "Down", "Left", "Right",
        "Page_Up", "Page_Down", "Home", "End", "ctrl+a", "ctrl+c", "ctrl+x", "ctrl+z", "F1", "minus", "plus"] + \
       [str(d) for d in range(10)] + list("abcdefx")

# Sanitizer reports and the program's own fatal warnings.
REPORT = re.compile(r"ERROR: (Address|Leak|Memory|Thread)Sanitizer|runtime error:|"
                    r"SUMMARY: \w+Sanitizer|^\[(warning|critical|fatal)\] ", re.M)


class Hang(Exception):
    """The program did not answer the accessibility bus in time."""


class Ended(Exception):
    """The program is gone."""


def now():
    return time.monotonic()


def call(what, *args):
    """An accessibility call; a time-out or a vanished object become exceptions we know."""
    try:
        return what(*args)
    except GLib.Error as failure:
        text = str(failure)
        if "Timeout" in text or "NoReply" in text or "timed out" in text or "did not receive a reply" in text:
            raise Hang(text) from None
        raise LookupError(text) from None
    except Exception as failure:  # objects vanish while we look at them
        raise LookupError(str(failure)) from None


def state_of(acc):
    return call(acc.getState)


def extents(acc):
    e = call(lambda: acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    return e.x, e.y, e.width, e.height


class Log:
    """The last actions, numbered, for the finding files; every action goes to a file as well."""

    def __init__(self, path):
        self.count = 0
        self.started = now()
        self.recent = collections.deque(maxlen=ACTIONS_KEPT)
        self.file = open(path, "w", buffering=1)

    def add(self, text):
        self.count += 1
        self.keep(f"#{self.count} {now() - self.started:7.1f}s {text}")

    def note(self, text):
        self.keep(f"   {now() - self.started:7.1f}s ({text})")

    def keep(self, line):
        self.recent.append(line)
        self.file.write(line + "\n")


class Output:
    """A process's output file, read on as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0

    def new_text(self):
        try:
            with open(self.path, "rb") as f:
                f.seek(self.offset)
                data = f.read()
        except FileNotFoundError:
            return ""
        self.offset += len(data)
        return data.decode("utf-8", "replace")


class Simulator:
    """The simulated module, restarted with another fault or gone for a while."""

    def __init__(self, args, rng, logdir):
        self.binary, self.link, self.rng = args.sim, args.link, rng
        self.logdir = logdir
        self.process = None
        self.faults = []
        self.runs = 0
        self.output = None

    def start(self, faults):
        self.runs += 1
        self.faults = faults
        path = os.path.join(self.logdir, f"sim-{self.runs}.log")
        self.output = Output(path)
        with open(path, "w") as err:
            self.process = subprocess.Popen(
                [self.binary, "--link", self.link, "--seed", str(self.rng.randrange(1 << 30))] + faults,
                stdout=subprocess.DEVNULL, stderr=err)
        deadline = now() + 30
        while now() < deadline and not os.path.exists(self.link) and self.process.poll() is None:
            time.sleep(0.05)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self, hard=False):
        if not self.running():
            return
        self.process.send_signal(signal.SIGKILL if hard else signal.SIGTERM)
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Program:
    """The program under test: its process, its windows on the display and on the accessibility bus."""

    def __init__(self, args, logdir):
        self.args = args
        self.logdir = logdir
        self.process = None
        self.app = None
        self.runs = 0
        self.output = None
        self.closing = False
        self.x = xdisplay.Display()
        self.atoms = {name: self.x.intern_atom(name) for name in (
            "_NET_WM_PID", "_NET_WM_STATE", "_NET_WM_STATE_MODAL", "WM_PROTOCOLS", "WM_DELETE_WINDOW",
            "_NET_WM_NAME", "UTF8_STRING", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG")}
        self.cache = {}

    # --- the process

    def start(self):
        self.runs += 1
        self.app = None
        self.cache = {}
        self.closing = False
        path = os.path.join(self.logdir, f"program-{self.runs}.log")
        self.output = Output(path)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        with open(path, "w") as err:
            self.process = subprocess.Popen(
                [self.args.program, "--port", self.args.link, "--firmware"], env=env, cwd=self.args.scratch,
                stdout=subprocess.DEVNULL, stderr=err)
        deadline = now() + START_TIMEOUT_S
        while now() < deadline:
            if self.process.poll() is not None:
                raise Ended(f"the program ended while starting (exit status {self.process.returncode})")
            try:
                if self.main_window() is not None:
                    return
            except (LookupError, Hang):
                pass
            time.sleep(0.3)
        raise Hang(f"the main window did not show within {START_TIMEOUT_S} s")

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if not self.alive():
            return
        self.process.terminate()
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def stack(self):
        """Every thread's stack of the running program, for a hang."""
        try:
            return subprocess.run(["gdb", "-p", str(self.process.pid), "-batch", "-nx",
                                   "-ex", "set pagination off", "-ex", "thread 1", "-ex", "bt 80",
                                   "-ex", "thread apply all bt 30"],
                                  capture_output=True, text=True, timeout=120).stdout
        except (OSError, subprocess.TimeoutExpired) as failure:
            return f"(no stack: {failure})"

    # --- the accessibility tree

    def application(self):
        if not self.alive():
            raise Ended(f"the program ended (exit status {self.process.returncode})")
        if self.app is None:
            desktop = pyatspi.Registry.getDesktop(0)
            for candidate in desktop:
                try:
                    if candidate is not None and candidate.get_process_id() == self.process.pid:
                        self.app = candidate
                        break
                except Exception:
                    continue
        return self.app

    def acc_windows(self):
        app = self.application()
        if app is None:
            return []
        result = []
        for w in call(list, app):
            if w is not None and state_of(w).contains(pyatspi.STATE_SHOWING):
                result.append(w)
        return result

    def main_window(self):
        for w in self.acc_windows():
            for child in call(list, w):
                if child is not None and child.name == MAIN_WINDOW_BUTTON:
                    return w
        return None

    def ping(self):
        """One call that the program's event loop must answer."""
        app = self.application()
        if app is None:
            raise Hang("the program is not on the accessibility bus")
        start = now()
        for w in call(list, app):
            if w is not None:
                extents(w)
                break
        if now() - start > HANG_S:
            raise Hang(f"the program took {now() - start:.0f} s to answer")

    # --- the display

    def x_windows(self):
        """The program's mapped windows, bottom to top, with their title, place and kind."""
        result = []
        root = self.x.screen().root
        try:
            children = root.query_tree().children
        except xerror.XError:
            return result
        for win in children:
            try:
                attrs = win.get_attributes()
                if attrs.map_state != X.IsViewable:
                    continue
                pid = win.get_full_property(self.atoms["_NET_WM_PID"], Xatom.CARDINAL)
                if pid is None or not self.process or pid.value[0] != self.process.pid:
                    continue
                geo = win.get_geometry()
                name = win.get_full_property(self.atoms["_NET_WM_NAME"], self.atoms["UTF8_STRING"])
                title = name.value.decode("utf-8", "replace") if name else (win.get_wm_name() or "")
                states = win.get_full_property(self.atoms["_NET_WM_STATE"], Xatom.ATOM)
                modal = bool(states) and self.atoms["_NET_WM_STATE_MODAL"] in states.value
                result.append({"win": win, "title": title, "geo": (geo.x, geo.y, geo.width, geo.height),
                               "modal": modal, "popup": bool(attrs.override_redirect)})
            except xerror.XError:
                continue
        return result

    def close(self, xw):
        message = xevent.ClientMessage(window=xw["win"], client_type=self.atoms["WM_PROTOCOLS"],
                                       data=(32, [self.atoms["WM_DELETE_WINDOW"], X.CurrentTime, 0, 0, 0]))
        xw["win"].send_event(message, event_mask=X.NoEventMask)
        self.x.flush()

    def raise_window(self, xw):
        xw["win"].configure(stack_mode=X.Above)
        self.x.flush()

    def acc_window_of(self, xw):
        """The accessible window that lies where the X window does."""
        best = None
        for w in self.acc_windows():
            try:
                if extents(w) == xw["geo"]:
                    return w
                if best is None and xw["title"].startswith(w.name) and w.name:
                    best = w
            except LookupError:
                continue
        return best

    def targets(self, window, key):
        """The showing controls of a window, kept for a few actions."""
        cached = self.cache.get(key)
        if cached and cached[0] > now():
            return cached[1]
        found = []
        queue = [window]
        seen = 0
        while queue and seen < MAX_NODES:
            acc = queue.pop(0)
            for child in call(list, acc):
                seen += 1
                if child is None:
                    continue
                try:
                    st = state_of(child)
                    if not st.contains(pyatspi.STATE_SHOWING):
                        continue
                    role = call(child.getRole)
                except LookupError:
                    continue
                if role in TARGET_ROLES:
                    found.append((child, role))
                if role not in LEAF_ROLES:
                    queue.append(child)
        self.cache[key] = (now() + 6, found)
        return found


def is_main(xw):
    # The main window's caption carries the version.
    return xw["title"].startswith(MAIN_TITLE)


def describe(acc, role):
    try:
        return f"{pyatspi.Accessible.getRoleName(acc)} '{acc.name}'"
    except Exception:
        return f"role {role}"


class Monkey:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.logdir = os.path.join(args.out, f"logs-{args.seed}")
        os.makedirs(self.logdir, exist_ok=True)
        self.log = Log(os.path.join(self.logdir, "actions.log"))
        self.sim = Simulator(args, random.Random(self.rng.randrange(1 << 30)), self.logdir)
        self.program = Program(args, self.logdir)
        self.findings = []
        self.clipboard = None
        self.fault_cycle = 0
        self.sim_back_at = None  # action number at which a vanished simulator returns
        self.seen_windows = set()
        self.streak_window, self.streak_left = None, 0
        self.kinds = collections.Counter()
        for old in os.listdir(args.out):
            if old.startswith(f"finding-{args.seed}-"):
                os.remove(os.path.join(args.out, old))
        self.files = sorted(os.path.join(args.scratch, f) for f in os.listdir(args.scratch)
                            if os.path.isfile(os.path.join(args.scratch, f)))

    # --- findings

    def finding(self, kind, text):
        number = len(self.findings) + 1
        path = os.path.join(self.args.out, f"finding-{self.args.seed}-{number}.txt")
        with open(path, "w") as f:
            f.write(f"{kind}\n\nseed {self.args.seed}, after {self.log.count} actions "
                    f"({now() - self.log.started:.0f} s); replay: scripts/monkey.sh {self.args.seconds} {self.args.seed}\n")
            f.write(f"simulator faults at the time: {' '.join(self.sim.faults) or 'none'}"
                    f"{'' if self.sim.running() else ' (simulator gone)'}\n\n")
            f.write(f"last {len(self.log.recent)} actions:\n")
            f.write("\n".join(self.log.recent) + "\n\n")
            f.write(text)
        self.findings.append((kind, path))
        print(f"monkey: FINDING {number}: {kind} after {self.log.count} actions -> {path}", file=sys.stderr,
              flush=True)

    def check_outputs(self):
        """Sanitizer reports and warnings that appeared since the last look."""
        for who, output, process in (("program", self.program.output, self.program),
                                     ("simulator", self.sim.output, self.sim)):
            if output is None:
                continue
            text = output.new_text()
            if not text or not REPORT.search(text):
                continue
            # Reports end the process: it has written all once it is gone.
            try:
                if process.process is not None:
                    process.process.wait(timeout=120)
            except subprocess.TimeoutExpired:
                pass
            text += output.new_text()
            first = REPORT.search(text)
            report = text[max(0, text.rfind("\n", 0, first.start()) + 1):]
            headline = report.splitlines()[0][:200] if report else "report"
            self.finding(f"{who}: {headline}", f"{who}'s output from the report on ({output.path}):\n" + report)
            return who
        return None

    def recover(self, who):
        """Starts again what a finding stopped."""
        if who == "simulator":
            self.sim.stop(hard=True)
            self.start_sim()
        else:
            self.program.stop()
            self.start_program()

    def start_program(self):
        try:
            self.program.start()
            self.log.note(f"program started (run {self.program.runs})")
        except (Hang, Ended) as failure:
            who = self.check_outputs()
            if who is None:
                self.finding(f"program did not start: {failure}", self.program.output.new_text()[-20000:])
            self.program.stop()
            self.program.start()

    def start_sim(self):
        faults = self.next_faults()
        self.sim.start(faults)
        self.log.note(f"simulator started: {' '.join(faults) or 'no fault'}")

    def next_faults(self):
        cycle = [[], ["--silent"], ["--drop-block", str(self.rng.randrange(8))],
                 ["--nak-write", str(self.rng.randrange(8))], ["--no-activation"], ["--refuse-firmware"],
                 ["--nak-firmware", str(self.rng.randrange(16))]]
        faults = cycle[self.fault_cycle % len(cycle)]
        self.fault_cycle += 1
        return faults

    # --- the simulator's course

    def simulator_step(self):
        if self.sim_back_at is not None:
            if self.log.count >= self.sim_back_at:
                self.sim_back_at = None
                self.start_sim()
            return
        if not self.sim.running():
            who = self.check_outputs()
            if who is None:
                self.finding(f"simulator ended (exit status {self.sim.process.returncode})",
                             self.sim.output.new_text()[-20000:])
            self.start_sim()
            return
        if self.rng.random() < 1 / 120:
            hard = self.rng.random() < 0.3
            self.sim.stop(hard=hard)
            if self.rng.random() < 0.5:
                self.sim_back_at = self.log.count + self.rng.randint(3, 40)
                self.log.note(f"port vanished ({'killed' if hard else 'stopped'}), back after action "
                              f"#{self.sim_back_at}")
            else:
                self.start_sim()

    # --- input

    def xdo(self, *words):
        subprocess.run(["xdotool", *words], check=False, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def set_clipboard(self, text):
        if self.clipboard is not None and self.clipboard.poll() is None:
            self.clipboard.terminate()
            self.clipboard.wait()
        self.clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                          stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
        self.clipboard.stdin.write(text.encode("utf-8"))
        self.clipboard.stdin.close()

    def random_text(self):
        r = self.rng
        kind = r.randrange(9)
        if kind == 0:
            return "".join(r.choice("0123456789") for _ in range(r.randint(1, 20)))
        if kind == 1:
            return f"+36 {r.randint(1, 99)} {r.randint(100, 999)} {r.randint(1000, 9999)} ext {r.randint(1, 99)}"
        if kind == 2:
            return "".join(r.choice("0123456789ABCDEFabcdef") for _ in range(r.randint(1, 16)))
        if kind == 3:
            return r.choice(["árvíztűrő tükörfúrógép", "ŐŰőű", "Konyha", "Nappali", "  ", "\t", "-1", "0", "999999",
                             "1234", "12345678901234567890", "Ünnep\nkettő", "a b c d e f"])
        if kind == 4:
            return "".join(chr(r.randint(32, 0x17F)) for _ in range(r.randint(1, 40)))
        if kind == 5:
            return "x" * r.randint(100, 3000)
        if kind == 6:
            return "\n".join(str(r.randint(0, 99999)) for _ in range(r.randint(2, 30)))
        if kind == 7:
            return "".join(chr(r.randint(0, 31)) for _ in range(r.randint(1, 8)))
        return " ".join(r.choice(["RPWS", "AT_[", "PWDOK", "ATD", "+++", "OK", "%s", "%n", "\\", "\"", "'"])
                        for _ in range(r.randint(1, 6)))

    def point_in(self, box, centre=False):
        x, y, w, h = box
        if centre or w < 6 or h < 6:
            return x + w // 2, y + h // 2
        return self.rng.randint(x + 2, x + w - 3), self.rng.randint(y + 2, y + h - 3)

    # --- choosing where

    def choose_window(self):
        """The X window to act in: a popup first, then mostly the topmost modal one."""
        windows = self.program.x_windows()
        if not windows:
            return None, windows
        for w in windows:
            self.seen_windows.add(w["title"])
        popups = [w for w in windows if w["popup"]]
        if popups:
            return popups[-1], windows
        modal = [w for w in windows if w["modal"]]
        if modal and self.rng.random() < 0.9:
            return modal[-1], windows
        # A person stays in a window for a few actions.
        kept = next((w for w in windows if w["win"].id == self.streak_window), None)
        if kept is not None and self.streak_left > 0:
            self.streak_left -= 1
            return kept, windows
        chosen = self.rng.choice(windows)
        self.streak_window, self.streak_left = chosen["win"].id, self.rng.randint(0, 8)
        return chosen, windows

    def pick_target(self, xw, roles=None, name=None):
        window = self.program.acc_window_of(xw)
        if window is None:
            return None
        key = (xw["win"].id, xw["geo"])
        candidates = []
        weights = []
        for acc, role in self.program.targets(window, key):
            if roles is not None and role not in roles:
                continue
            if name is not None:
                try:
                    if acc.name != name:
                        continue
                except Exception:
                    continue
            candidates.append((acc, role))
            try:
                quits = role == R.ROLE_PUSH_BUTTON and acc.name == QUIT_BUTTON
            except Exception:
                quits = False
            # Ending the program now and then is enough.
            weights.append(0.1 if quits else ROLE_WEIGHT.get(role, 1))
        while candidates:
            i = self.rng.choices(range(len(candidates)), weights)[0]
            acc, role = candidates.pop(i)
            weights.pop(i)
            try:
                st = state_of(acc)
                if not st.contains(pyatspi.STATE_SHOWING) or not st.contains(pyatspi.STATE_SENSITIVE):
                    continue
                box = extents(acc)
            except LookupError:
                continue
            if box[2] <= 0 or box[3] <= 0:
                continue
            return acc, role, box
        return None

    # --- the actions

    def act(self):
        xw, windows = self.choose_window()
        if xw is None:
            self.log.add("no window shows; waiting")
            time.sleep(0.5)
            return
        if self.file_dialog(xw):
            return
        if xw["popup"]:
            self.in_popup(xw)
            return
        r = self.rng
        kind = r.choices(["click", "press", "key", "type", "paste", "wheel", "close", "open", "code", "raise",
                          "wait", "double", "right"],
                         [32, 10, 14, 5, 6, 8, 3, 9, 3, 3, 3, 2, 2])[0]
        self.kinds[kind] += 1
        getattr(self, "do_" + kind)(xw, windows)

    def click_at(self, xw, target, button="1", repeat=1, verb="click"):
        acc, role, box = target
        x, y = self.point_in(box, centre=role in (R.ROLE_PUSH_BUTTON, R.ROLE_PAGE_TAB, R.ROLE_CHECK_BOX))
        if role == R.ROLE_PUSH_BUTTON and acc.name == QUIT_BUTTON:
            self.program.closing = True
        self.log.add(f"{verb} {describe(acc, role)} in '{xw['title']}' at {x},{y}")
        self.xdo("mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "80", button)

    def do_click(self, xw, windows):
        target = self.pick_target(xw)
        if target is None:
            self.log.add(f"nothing to click in '{xw['title']}'")
            return
        self.click_at(xw, target)

    def do_press(self, xw, windows):
        """Presses a control through its accessible action, as assistive technology does: this
        reaches windows that a modal dialog blocks for the mouse as well."""
        if self.rng.random() < 0.5:
            xw = self.rng.choice([w for w in windows if not w["popup"]] or windows)
        target = self.pick_target(xw, roles=PRESS_ROLES)
        if target is None:
            self.log.add(f"nothing to press in '{xw['title']}'")
            return
        self.press(xw, target)

    def press(self, xw, target, verb="press (accessible action)"):
        acc, role, box = target
        if role == R.ROLE_PUSH_BUTTON and acc.name == QUIT_BUTTON:
            self.program.closing = True
        self.log.add(f"{verb} {describe(acc, role)} in '{xw['title']}'")
        # A handler that opens a modal dialog answers only when the dialog
        # closes; the program's loop still runs, which the ping after each
        # action checks.
        Atspi.set_timeout(PRESS_TIMEOUT_MS, -1)
        try:
            call(lambda: acc.queryAction().doAction(0))
        except Hang:
            self.log.note("the action has not returned yet: a dialog of its own runs")
        finally:
            Atspi.set_timeout(HANG_S * 1000, -1)

    def do_double(self, xw, windows):
        target = self.pick_target(xw)
        if target is not None:
            self.click_at(xw, target, repeat=2, verb="double-click")

    def do_right(self, xw, windows):
        target = self.pick_target(xw)
        if target is not None:
            self.click_at(xw, target, button="3", verb="right-click")

    def do_key(self, xw, windows):
        key = self.rng.choice(KEYS)
        self.log.add(f"key {key} (to the window with the focus)")
        self.xdo("key", "--delay", "30", key)

    def do_type(self, xw, windows):
        text = self.rng.choice(["".join(self.rng.choice("0123456789") for _ in range(self.rng.randint(1, 8))),
                                self.rng.choice(["abc", "Zóna 1", "12ab", "  9", "0000"])])
        self.log.add(f"type {text!r}")
        self.xdo("type", "--delay", "30", text)

    def do_paste(self, xw, windows):
        text = self.random_text()
        if self.rng.random() < 0.6:
            target = self.pick_target(xw, roles={R.ROLE_TEXT, R.ROLE_SPIN_BUTTON, R.ROLE_TABLE, R.ROLE_COMBO_BOX})
            if target is not None:
                self.click_at(xw, target)
        self.set_clipboard(text)
        shown = text if len(text) < 60 else text[:57] + "..."
        self.log.add(f"paste {shown!r} ({len(text)} characters) with ctrl+v")
        self.xdo("key", "ctrl+v")

    def do_wheel(self, xw, windows):
        target = self.pick_target(xw, roles=WHEEL_ROLES) or self.pick_target(xw)
        if target is None:
            return
        acc, role, box = target
        x, y = self.point_in(box)
        button = self.rng.choice(["4", "5"])
        turns = self.rng.randint(1, 6)
        self.log.add(f"wheel {'up' if button == '4' else 'down'} x{turns} over {describe(acc, role)} "
                     f"in '{xw['title']}' at {x},{y}")
        self.xdo("mousemove", str(x), str(y), "click", "--repeat", str(turns), "--delay", "40", button)

    def do_close(self, xw, windows):
        # The main window ends the program; it is closed now and then only.
        choices = [w for w in windows if not w["popup"]]
        if not choices:
            return
        weights = [0.05 if is_main(w) else 1 for w in choices]
        target = self.rng.choices(choices, weights)[0]
        self.log.add(f"close window '{target['title']}'")
        if is_main(target):
            self.program.closing = True
        self.program.close(target)

    def do_raise(self, xw, windows):
        if any(w["modal"] for w in windows):
            self.do_click(xw, windows)
            return
        target = self.rng.choice(windows)
        self.log.add(f"raise window '{target['title']}'")
        self.program.raise_window(target)

    def do_wait(self, xw, windows):
        seconds = round(self.rng.uniform(0.3, 3), 1)
        self.log.add(f"wait {seconds} s")
        time.sleep(seconds)

    def do_open(self, xw, windows):
        """Presses a button that opens a window or picks an editor page, wherever it shows."""
        if self.rng.random() < 0.35:
            for w in reversed(windows):
                target = self.pick_target(w, roles={R.ROLE_PAGE_TAB})
                if target is not None:
                    if not any(v["modal"] for v in windows):
                        self.program.raise_window(w)
                    self.click_at(w, target, verb="open page")
                    return
        name = self.rng.choice(OPENERS)
        for w in reversed(windows):
            target = self.pick_target(w, roles={R.ROLE_PUSH_BUTTON}, name=name)
            if target is not None:
                if self.rng.random() < 0.4:
                    # Also while a modal window blocks the mouse.
                    self.press(w, target, verb="open with (accessible action)")
                    return
                if not any(v["modal"] for v in windows):
                    self.program.raise_window(w)
                self.click_at(w, target, verb="open with")
                return
        self.log.add(f"no '{name}' button shows")

    def do_code(self, xw, windows):
        """Connects, or types the installer code (mostly the right one) into the main window."""
        if self.rng.random() < 0.5:
            for w in windows:
                target = self.pick_target(w, roles={R.ROLE_PUSH_BUTTON}, name=MAIN_WINDOW_BUTTON)
                if target is not None:
                    self.click_at(w, target, verb="connect with")
                    return
        for w in windows:
            target = self.pick_target(w, roles={R.ROLE_TEXT}, name=CODE_FIELD)
            if target is None:
                continue
            code = INSTALLER_CODE if self.rng.random() < 0.9 else str(self.rng.randint(0, 999999))
            self.click_at(w, target)
            self.log.add(f"select all, type the code {code}")
            self.xdo("key", "ctrl+a")
            self.xdo("type", "--delay", "30", code)
            return
        self.log.add("no code field shows")

    def in_popup(self, xw):
        r = self.rng.random()
        if r < 0.55:
            x, y = self.point_in(xw["geo"])
            self.log.add(f"click into the popup at {x},{y}")
            self.xdo("mousemove", str(x), str(y), "click", "1")
        elif r < 0.8:
            self.log.add("key Escape (popup)")
            self.xdo("key", "Escape")
        elif r < 0.9:
            self.log.add(f"wheel over the popup")
            x, y = self.point_in(xw["geo"])
            self.xdo("mousemove", str(x), str(y), "click", self.rng.choice(["4", "5"]))
        else:
            self.log.add("click outside the popup at 5,5")
            self.xdo("mousemove", "5", "5", "click", "1")

    def file_dialog(self, xw):
        """File dialogs stay in the scratch folder: a file of it is named, or the dialog is cancelled."""
        if not xw["modal"]:
            return False
        window = self.program.acc_window_of(xw)
        if window is None:
            return False
        controls = self.program.targets(window, (xw["win"].id, xw["geo"]))
        if not any(role in (R.ROLE_TREE, R.ROLE_TREE_TABLE) for _, role in controls):
            return False
        names = [acc for acc, role in controls if role == R.ROLE_TEXT]
        buttons = {acc.name: acc for acc, role in controls if role == R.ROLE_PUSH_BUTTON}
        accept = next((buttons[n] for n in ACCEPT_BUTTONS if n in buttons), None)
        cancel = next((buttons[n] for n in CANCEL_BUTTONS if n in buttons), None)
        if not names or accept is None:
            return False
        self.kinds["file dialog"] += 1
        r = self.rng.random()
        if r < 0.7:
            # Mostly a file of the kind that the dialog's filter names.
            kinds = [acc.name for acc, role in controls if role == R.ROLE_COMBO_BOX and "(*." in acc.name]
            wanted = [f for f in self.files if kinds and f.lower().endswith(kinds[0].rsplit("*", 1)[-1][:4].lower())]
            pool = wanted if wanted and self.rng.random() < 0.8 else self.files
            name = self.rng.choice(pool + [os.path.join(self.args.scratch, "uj.SD2"),
                                           os.path.join(self.args.scratch, "nincs.GSF")])
            call(lambda: names[-1].queryEditableText().setTextContents(name))
            x, y = self.point_in(extents(accept), centre=True)
            self.log.add(f"file dialog '{xw['title']}': name {name}, press '{accept.name}' at {x},{y}")
            self.xdo("mousemove", str(x), str(y), "click", "1")
        elif r < 0.85 and cancel is not None:
            x, y = self.point_in(extents(cancel), centre=True)
            self.log.add(f"file dialog '{xw['title']}': press '{cancel.name}' at {x},{y}")
            self.xdo("mousemove", str(x), str(y), "click", "1")
        else:
            self.log.add(f"close file dialog '{xw['title']}'")
            self.program.close(xw)
        return True

    # --- the run

    def run(self):
        self.start_sim()
        self.start_program()
        deadline = now() + self.args.seconds
        while now() < deadline:
            self.simulator_step()
            try:
                if not self.program.alive():
                    raise Ended(f"exit status {self.program.process.returncode}")
                self.act()
                self.program.ping()
            except Hang as hang:
                if self.program.alive():
                    self.finding(f"hang: {hang}", "the program's stacks:\n" + self.program.stack())
                    self.program.stop()
                    self.check_outputs()
                    self.start_program()
                    continue
                self.ended()
                continue
            except Ended:
                self.ended()
                continue
            except LookupError as missing:
                self.log.note(f"a control went away: {missing}")
            who = self.check_outputs()
            if who is not None:
                self.recover(who)
        return self.finish()

    def ended(self):
        """The program is gone: closed by its main window, or fallen over."""
        self.program.process.wait()
        status = self.program.process.returncode
        who = self.check_outputs()
        if who is None and (status != 0 or not self.program.closing):
            self.finding(f"program ended with exit status {status}" +
                         ("" if self.program.closing else " without being closed"),
                         self.program.output.new_text()[-20000:])
        self.log.note(f"program ended (exit status {status})")
        self.start_program()

    def finish(self):
        actions = self.log.count
        self.program.stop()
        self.sim.stop()
        self.check_outputs()
        if self.clipboard is not None and self.clipboard.poll() is None:
            self.clipboard.terminate()
            self.clipboard.wait()
        kinds = ", ".join(f"{k} {n}" for k, n in self.kinds.most_common())
        print(f"monkey: seed {self.args.seed}: {actions} actions in {self.args.seconds} s ({kinds}); "
              f"program started {self.program.runs} times, simulator {self.sim.runs} times")
        print(f"monkey: windows seen: {', '.join(sorted(self.seen_windows))}")
        if self.findings:
            print(f"monkey: {len(self.findings)} finding(s):")
            for kind, path in self.findings:
                print(f"  {kind}  ({path})")
            return 1
        print("monkey: no finding")
        return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--display", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--sim", required=True)
    parser.add_argument("--link", required=True, help="where the simulator links its device")
    parser.add_argument("--scratch", required=True, help="the program's working folder with the files to open")
    parser.add_argument("--out", required=True, help="where findings and logs go")
    args = parser.parse_args()
    os.environ["DISPLAY"] = args.display
    # A call that the program does not answer within this time counts as a hang.
    Atspi.set_timeout(HANG_S * 1000, -1)
    monkey = Monkey(args)
    try:
        return monkey.run()
    finally:
        monkey.program.stop()
        monkey.sim.stop()


if __name__ == "__main__":
    sys.exit(main())
