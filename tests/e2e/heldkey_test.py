# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""A digit held down on a one-digit result, while other processes keep the machine busy: the
key repeats into the box and the answer is judged only when Backspace brings it back to one
digit, never on the single digit as the repeats begin."""

import os
import subprocess
import sys
import time

from xsession import (ABACUS, ABACUS_NAME, CALCULATOR, GameSession, check, enabled,
                      expected_result, main, states, wait_for, wrong_answer_of_same_length)

from gi.repository import Atspi

HOLDS = 4
HOLD_SECONDS = 1.5  # the server starts repeating after 660 ms


def open_next_box(session):
    session.click(ABACUS)
    boxes = wait_for("the next box to open",
                     lambda: [b for b in session.open_boxes() if "focused" in states(b)])
    return boxes[0]


def box_text(box):
    return Atspi.Text.get_text(box, 0, -1)


def hold(session, digit):
    session.run(["xdotool", "keydown", digit])
    time.sleep(HOLD_SECONDS)
    session.run(["xdotool", "keyup", digit])


def test(program):
    burners = [subprocess.Popen([sys.executable, "-c", "while True: pass"])
               for _ in range(2 * (os.cpu_count() or 1))]
    try:
        with GameSession(program) as session:
            session.click(CALCULATOR)
            wait_for("the abacus to be offered", lambda: enabled(session.find(name=ABACUS_NAME)))
            held = 0
            for _ in range(20):  # the operations of a game
                if held == HOLDS:
                    break
                box = open_next_box(session)
                right = expected_result(session.operation())
                if right >= 10:
                    session.type_text(str(wrong_answer_of_same_length(right)))
                else:
                    hold(session, str(right))
                    typed = box_text(box)
                    check(enabled(box), "judged on %r while the key was held" % typed)
                    check(len(typed) > 1 and set(typed) == {str(right)},
                          "holding %d typed %r" % (right, typed))
                    for _ in range(len(typed) - 1):
                        session.run(["xdotool", "key", "BackSpace"])
                    held += 1
                wait_for("the answer to be judged", lambda: not enabled(box))
                wait_for("the abacus to be offered again",
                         lambda: enabled(session.find(name=ABACUS_NAME)), timeout=5)
            check(held > 0, "no operation of the game had a one-digit result")
    finally:
        for burner in burners:
            burner.kill()
            burner.wait()


if __name__ == "__main__":
    main(test)
