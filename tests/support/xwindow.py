# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""The game window as the X-server tests and benchmarks see it: a private Xvfb, the exact
caption, and the centres of the controls they click (client-area pixels)."""

import os
import subprocess
import time

CAPTION = "ZELTRAMO      Il Numero:  Addizioni e sottrazioni in riga (entro 20)"
CLIENT_SIZE = (792, 566)
# For `xdotool search --name`, which takes a regular expression: the caption's brackets would
# be read as a group.
CAPTION_PATTERN = "^ZELTRAMO "

CALCULATOR = (96 + 34, 496 + 36)
ABACUS = (608 + 38, 400 + 38)
SETTING_SUN = (187 + 65, 232 + 28)  # shown only from the twentieth operation on
TOTAL_BOX = (520 + 24, 502 + 21)


def start_x_server(timeout=15):
    """Starts Xvfb on a display it picks itself; returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + timeout
    try:
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16) if time.monotonic() < deadline else b""
            if not chunk:
                server.kill()
                server.wait()
                raise RuntimeError("Xvfb did not report its display")
            number += chunk
    finally:
        os.close(read_end)
    return server, ":" + number.decode().strip()
