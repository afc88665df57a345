# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""A private X server with the game running in it, driven by real X input and read over AT-SPI.

Each test runs in a D-Bus session of its own, so the accessibility bus it talks to is its own.
Every wait is bounded: a test that cannot reach the state it waits for fails instead of hanging.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

def run_in_private_session():
    """Runs this script again in a D-Bus session of its own, with a runtime folder of its own:
    the accessibility bus puts its socket there, so that tests running side by side never
    share one."""
    runtime = tempfile.mkdtemp(prefix="brivolo-e2e-")
    env = dict(os.environ, BRIVOLO_PRIVATE_SESSION=runtime, XDG_RUNTIME_DIR=runtime)
    try:
        return subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                              env=env).returncode
    finally:
        shutil.rmtree(runtime, ignore_errors=True)


# Before the accessibility library is loaded: it connects to the session's bus when loaded.
if ("BRIVOLO_PRIVATE_SESSION" not in os.environ
        or os.environ["BRIVOLO_PRIVATE_SESSION"] != os.environ.get("XDG_RUNTIME_DIR")):
    sys.exit(run_in_private_session())

import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xwindow import (ABACUS, CALCULATOR, CAPTION, CLIENT_SIZE, SETTING_SUN,  # noqa: E402,F401
                     TOTAL_BOX, start_x_server)

# Accessible names and descriptions the window gives its controls.
FIRST_OPERAND = "Primo numero dell'operazione"
SIGN = "Segno dell'operazione"
SECOND_OPERAND = "Secondo numero dell'operazione"
SMILING_FACE = "Faccina sorridente: totale esatto"
SAD_FACE = "Faccina triste: totale sbagliato"
QUIT_SUN = "Il sole al tramonto: è ora di tornare a casa"
ANSWER_BOXES = ("Risposta del nipotino verde", "Risposta del nipotino rosso",
                "Risposta del nipotino azzurro")
SCORE_OWNERS = ("Punti del verde", "Punti del rosso", "Punti dell'azzurro")
YOUR_TURN = "Tocca a te"
ABACUS_NAME = "Il pallottoliere: prossima operazione"

SPOKEN_SIGNS = {"più": "+", "meno": "-"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=10.0, interval=0.05):
    """Polls `probe` until it returns something true; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


def states(accessible):
    return {s.value_nick for s in accessible.get_state_set().get_states()}


def is_showing(accessible):
    return "showing" in states(accessible)


def enabled(accessible):
    return "enabled" in states(accessible)


class GameSession:
    """Xvfb on a display it chooses itself, and the program on it."""

    def __init__(self, program, extra_env=None):
        self.program = program
        self.extra_env = extra_env or {}
        self.xvfb = None
        self.process = None
        self.display = None
        self.window_id = None
        self.application = None

    def __enter__(self):
        self._start_xvfb()
        self._start_accessibility_bus()
        self._start_program()
        return self

    def __exit__(self, *exc):
        for proc in (self.process, self.xvfb):
            if proc is not None and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        return False

    def _start_xvfb(self):
        self.xvfb, self.display = start_x_server()

    def _start_accessibility_bus(self):
        # Asking for the desktop starts the accessibility bus and its registry on this session;
        # started before the program, they are ready when it registers, even on a busy machine.
        wait_for("the accessibility registry",
                 lambda: Atspi.get_desktop(0).get_child_count() >= 0, timeout=30)

    def env(self):
        env = dict(os.environ)
        env.update({"DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb",
                    "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})
        env.pop("QT_SCALE_FACTOR", None)
        env.update(self.extra_env)
        return env

    def _start_program(self):
        # A file, not a pipe: the accessibility bus the program starts inherits its stderr.
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([self.program], env=self.env(),
                                        stdout=subprocess.DEVNULL, stderr=self.log)
        ids = wait_for("the game window", lambda: self._window_ids(), timeout=20)
        check(len(ids) == 1, "expected one visible window, found %d" % len(ids))
        self.window_id = ids[0]
        self.run(["xdotool", "windowfocus", "--sync", self.window_id])
        self.application = wait_for("the program on the accessibility bus",
                                    self._find_application, timeout=40)

    def _window_ids(self):
        check(self.process.poll() is None, "the program ended at start: " + self.program_log())
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.process.pid)], env=self.env(), capture_output=True,
                                text=True, timeout=10)
        return result.stdout.split()

    def program_log(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")

    def _find_application(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def run(self, command, **kwargs):
        return subprocess.run(command, env=self.env(), check=True, capture_output=True, text=True,
                              timeout=30, **kwargs).stdout

    # X input, as a person gives it.

    def click(self, point):
        self.run(["xdotool", "mousemove", "--window", self.window_id, str(point[0]),
                  str(point[1]), "click", "1"])

    def type_text(self, text):
        # Real key events through XTEST to the focused window: Qt ignores sent (synthetic) ones.
        self.run(["xdotool", "type", "--delay", "30", text])

    # The accessibility tree.

    def window(self):
        app = self.application
        app.clear_cache()
        check(app.get_child_count() >= 1, "the program shows no window on the accessibility bus")
        return app.get_child_at_index(0)

    def controls(self):
        window = self.window()
        return [window.get_child_at_index(i) for i in range(window.get_child_count())]

    def find(self, name=None, description=None, role=None):
        found = [c for c in self.controls()
                 if (name is None or c.get_name() == name)
                 and (description is None or c.get_description() == description)
                 and (role is None or c.get_role_name() == role)]
        check(len(found) == 1, "expected one control named %r described %r, found %d"
              % (name, description, len(found)))
        return found[0]

    def find_all(self, predicate):
        return [c for c in self.controls() if predicate(c)]

    def operation(self):
        """The operation on show, as a screen reader reads it: (first, sign, second)."""
        first = self.find(description=FIRST_OPERAND).get_name()
        sign = SPOKEN_SIGNS.get(self.find(description=SIGN).get_name())
        second = self.find(description=SECOND_OPERAND).get_name()
        check(first.isdigit() and second.isdigit() and sign is not None,
              "the operation reads %r %r %r" % (first, sign, second))
        return int(first), sign, int(second)

    def scores(self):
        result = []
        for owner in SCORE_OWNERS:
            square = self.find_all(lambda c, o=owner: c.get_name().startswith(o + ": "))
            check(len(square) == 1, "no score square reads %r" % owner)
            result.append(int(square[0].get_name().split(": ")[1]))
        return result

    def open_boxes(self):
        return [c for c in self.find_all(lambda c: c.get_role_name() == "text")
                if c.get_description() == YOUR_TURN]


def expected_result(operation):
    first, sign, second = operation
    return first + second if sign == "+" else first - second


def wrong_answer_of_same_length(right):
    """A wrong number with as many digits, so that the game judges it."""
    return right - 1 if right == 9 else right + 1


def client_geometry(session):
    info = session.run(["xwininfo", "-id", session.window_id])
    width = int(re.search(r"Width: (\d+)", info).group(1))
    height = int(re.search(r"Height: (\d+)", info).group(1))
    return width, height


def main(test):
    """Runs `test(program)` and reports the way ctest reads it."""
    if len(sys.argv) != 2:
        print("usage: %s PROGRAM" % sys.argv[0], file=sys.stderr)
        sys.exit(2)
    try:
        test(sys.argv[1])
    except Failure as failure:
        print("FAIL:", failure, file=sys.stderr)
        sys.exit(1)
    print("PASS")
