# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""The built program in a real X server: caption, client area, and a picture that is drawn."""

import os
import re
import subprocess
import tempfile

from xsession import CAPTION, CLIENT_SIZE, GameSession, check, client_geometry, main

# The beach alone has dozens of shades; a blank or single-colour window has a handful.
MIN_DISTINCT_COLOURS = 500


def test(program):
    with GameSession(program) as session:
        names = session.run(["xprop", "-id", session.window_id, "_NET_WM_NAME", "WM_NAME"])
        for line in names.splitlines():
            value = re.search(r'= "(.*)"$', line)
            check(value is not None and value.group(1) == CAPTION, "caption: %s" % line)

        check(client_geometry(session) == CLIENT_SIZE,
              "the client area is %dx%d" % client_geometry(session))
        hints = session.run(["xprop", "-id", session.window_id, "WM_NORMAL_HINTS"])
        check(re.search(r"minimum size: 792 by 566", hints) and
              re.search(r"maximum size: 792 by 566", hints),
              "the window can be resized: " + hints)

        with tempfile.TemporaryDirectory() as folder:
            shot = os.path.join(folder, "window.png")
            session.run(["import", "-window", session.window_id, shot])
            size = subprocess.run(["identify", "-format", "%w %h %k", shot], capture_output=True,
                                  text=True, check=True, timeout=30).stdout.split()
        check([int(size[0]), int(size[1])] == list(CLIENT_SIZE), "screenshot size %r" % size)
        check(int(size[2]) >= MIN_DISTINCT_COLOURS, "the window shows only %s colours" % size[2])


if __name__ == "__main__":
    main(test)
