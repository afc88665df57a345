#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""A whole game of the real program under strace, on an X server of its own, driven by
xdotool: the program writes no file outside the toolkit's and the font library's cache and
runtime folders, and opens no socket other than its connection to the display (and to the
desktop's session bus, which the toolkit connects to; the test gives the program a private
one, as a desktop session would, since without one the D-Bus library starts a bus daemon of
its own that outlives the program).

Exits 77 (skipped) when strace, Xvfb, xdotool or dbus-run-session is missing."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xwindow import ABACUS, CALCULATOR, start_x_server  # noqa: E402
from xwindow import CAPTION_PATTERN as CAPTION  # noqa: E402
from xwindow import SETTING_SUN as QUIT_SUN  # noqa: E402
from xwindow import TOTAL_BOX as FINAL_BOX  # noqa: E402
WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND")


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(77)



def xdotool(display, *args, timeout=20):
    return subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": display},
                          capture_output=True, text=True, timeout=timeout, check=True).stdout


def play_whole_game(display, window, program):
    """Clicks and keys in xdotool runs. A key that arrives before the queued Tab has put the
    focus into the open box is lost, and the box stays open: the abacus then ignores the next
    click and the next keys answer instead, so more rounds than operations are sent, and
    more again while the program has not ended. Two zeros answer every operation: a
    one-digit result is judged at the first. The sun, which ends the program, is there only
    from the twentieth operation on; a click there before lands on the beach."""
    def click(point):
        return ["mousemove", "--window", window, str(point[0]), str(point[1]), "click", "1",
                "sleep", "0.3"]

    zeros = ["key", "0", "sleep", "0.05", "key", "0", "sleep", "0.05"]
    xdotool(display, *click(CALCULATOR), timeout=30)
    for rounds in (40, 20, 20):
        steps = []
        for _ in range(rounds):
            steps += click(ABACUS) + zeros
        steps += click(FINAL_BOX) + zeros + click(QUIT_SUN)
        xdotool(display, *steps, timeout=180)
        try:
            return program.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
    return program.wait(timeout=30)


def traced_calls(log_dir):
    calls = []
    for name in os.listdir(log_dir):
        with open(os.path.join(log_dir, name), errors="replace") as log:
            calls.extend(line.strip() for line in log)
    return calls


def bus_socket(address):
    """The socket path of a D-Bus address: unix:path=/x or unix:abstract=/x (shown as @/x)."""
    match = re.search(r"unix:(path|abstract)=([^,;]+)", address)
    if match is None:
        return None
    return ("@" if match.group(1) == "abstract" else "") + match.group(2)


def offences(calls, allowed_dirs, allowed_sockets, cwd, allowed_writes=None):
    found = []
    path_of = re.compile(r'"((?:[^"\\]|\\.)*)"')
    for call in calls:
        name = call.split("(", 1)[0]
        if name in ("open", "openat", "openat2", "creat"):
            if name != "creat" and not any(flag in call for flag in WRITE_FLAGS):
                continue
        elif name in ("mkdir", "mkdirat", "unlink", "unlinkat", "rename", "renameat",
                      "renameat2", "rmdir", "link", "linkat", "symlink", "symlinkat",
                      "truncate", "chmod", "fchmodat", "utimensat"):
            pass
        elif name == "socket":
            if "AF_UNIX" not in call and "AF_LOCAL" not in call:
                found.append(f"network socket: {call}")
            continue
        elif name in ("connect", "bind", "sendto", "sendmsg"):
            if re.search(r"sa_family=AF_INET6?|sa_family=AF_PACKET", call):
                found.append(f"network address: {call}")
            elif name == "connect" and "AF_UNIX" in call and "= -1" not in call:
                target = re.search(r'sun_path=(@?)"([^"]*)"', call)
                where = target.group(1) + target.group(2) if target else None
                if where not in allowed_sockets:
                    found.append(f"socket other than the display's and the bus's: {call}")
            elif name == "bind":
                found.append(f"listening socket: {call}")
            continue
        else:
            continue
        if "= -1" in call:
            continue  # refused: nothing was written
        paths = path_of.findall(call)
        for path in paths[:1] if name not in ("rename", "renameat", "renameat2") else paths:
            full = os.path.normpath(os.path.join(cwd, path))
            if full == "/dev/null" or any(full == d or full.startswith(d + "/")
                                          for d in allowed_dirs):
                if allowed_writes is not None:
                    allowed_writes.add(full)
                continue
            found.append(f"write outside the cache and runtime folders: {call}")
    return found


def check_the_checker():
    """The rules must reject what they are there to reject."""
    bad = ['openat(AT_FDCWD, "/work/notes.txt", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 5',
           'openat(AT_FDCWD, "saved", O_RDWR|O_CREAT, 0600) = 6',
           'socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) = 7',
           'connect(8, {sa_family=AF_UNIX, sun_path="/run/other.sock"}, 110) = 0',
           'rename("/tmp/c/a", "/etc/b") = 0']
    good = ['openat(AT_FDCWD, "/home/u/.cache/fontconfig/x", O_RDWR|O_CREAT, 0666) = 5',
            'openat(AT_FDCWD, "/etc/fonts/fonts.conf", O_RDONLY) = 5',
            'connect(3, {sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X5"}, 21) = 0']
    allowed = ["/home/u/.cache", "/tmp/c"]
    sockets = {"@/tmp/.X11-unix/X5"}
    caught = offences(bad, allowed, sockets, "/cwd")
    passed = offences(good, allowed, sockets, "/cwd")
    if len(caught) != len(bad) or passed:
        sys.exit(f"the rules are broken: caught {caught}, wrongly caught {passed}")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: nothingtouched_test.py PATH-TO-BRIVOLO")
    program = os.path.abspath(sys.argv[1])
    check_the_checker()
    for tool in ("strace", "Xvfb", "xdotool", "dbus-run-session"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    probe = subprocess.run(["strace", "-o", "/dev/null", "true"], capture_output=True)
    if probe.returncode != 0:
        skip("strace cannot trace here: " + probe.stderr.decode(errors="replace").strip())

    with tempfile.TemporaryDirectory(prefix="brivolo-sandbox-") as scratch:
        home = os.path.join(scratch, "home")
        runtime = os.path.join(scratch, "runtime")
        work = os.path.join(scratch, "cwd")
        logs = os.path.join(scratch, "strace")
        for folder in (home, runtime, work, logs):
            os.makedirs(folder, mode=0o700)
        # The caches and the runtime folder that the toolkit and fontconfig may write to.
        allowed = [os.path.join(home, ".cache"), runtime]

        server, display = start_x_server()
        try:
            env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                   "XDG_RUNTIME_DIR": runtime, "DISPLAY": display, "QT_QPA_PLATFORM": "xcb",
                   "LANG": "C.UTF-8"}
            bus_file = os.path.join(scratch, "bus-address")
            traced = subprocess.Popen(
                ["dbus-run-session", "--", "sh", "-c",
                 'printf %s "$DBUS_SESSION_BUS_ADDRESS" > "$0"; exec "$@"', bus_file,
                 "strace", "-f", "-ff", "--seccomp-bpf", "-qq", "-s", "256", "-o", os.path.join(logs, "call"),
                 "-e", "trace=%file,%network", program],
                cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            try:
                window = xdotool(display, "search", "--sync", "--onlyvisible", "--name",
                                 CAPTION, timeout=60).split()[0]
                time.sleep(0.5)
                code = play_whole_game(display, window, traced)
            except Exception:
                traced.send_signal(signal.SIGKILL)
                traced.wait()
                raise
        finally:
            server.terminate()
            server.wait()

        if code != 0:
            print(f"FAIL: the program ended with {code} instead of quitting by the sun, "
                  "so the game did not reach its twentieth operation")
            print(traced.stderr.read().decode(errors="replace")[-2000:])
            return 1
        calls = traced_calls(logs)
        number = display.lstrip(":")
        sockets = {f"/tmp/.X11-unix/X{number}", f"@/tmp/.X11-unix/X{number}"}
        with open(bus_file) as address:
            sockets.add(bus_socket(address.read()))
        written = set()
        found = offences(calls, allowed, sockets, work, written)
        print(f"{len(calls)} file and network calls traced over a whole game; "
              f"{len(written)} files written in the caches or the runtime folder")
        for path in sorted(written):
            print("   ", path.replace(scratch, "<scratch>"))
        connected = sorted({m.group(1) for c in calls
                            for m in [re.search(r'sun_path=(@?"[^"]*")', c)]
                            if c.startswith("connect(") and m and "= 0" in c})
        print("sockets connected to:", ", ".join(connected) or "none")
        for line in found:
            print("FAIL:", line)
        if found:
            return 1
        print("PASS: no file written outside the caches and the runtime folder, "
              "no socket but the display's")
        return 0


if __name__ == "__main__":
    sys.exit(main())
