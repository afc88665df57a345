# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""One whole game played with real X input: new game, twenty operations (some answered wrong on
purpose), the total, the verdict, and the setting sun that ends the program."""

import time

from xsession import (ABACUS, ABACUS_NAME, ANSWER_BOXES, CALCULATOR, QUIT_SUN, SAD_FACE,
                      SETTING_SUN, SMILING_FACE, TOTAL_BOX, GameSession, check, enabled,
                      expected_result, is_showing, main, states, wait_for,
                      wrong_answer_of_same_length)

OPERATIONS = 20
ANSWERED_WRONG = {2, 7, 11, 12, 19}
TOTAL_BOX_NAME = "Totale dei punti"


def play_operation(session, number, scores):
    player = (number - 1) % 3
    session.click(ABACUS)
    wait_for("operation %d to open" % number,
             lambda: [b for b in session.open_boxes()
                      if b.get_name() == ANSWER_BOXES[player] and "focused" in states(b)])
    right = expected_result(session.operation())
    typed = right if number not in ANSWERED_WRONG else wrong_answer_of_same_length(right)
    session.type_text(str(typed))
    box = session.find(name=ANSWER_BOXES[player])
    wait_for("operation %d to be judged" % number, lambda: not enabled(box))
    if typed == right:
        scores[player] += 1
    check(session.scores() == scores,
          "after operation %d the scores read %r, not %r" % (number, session.scores(), scores))


def test(program):
    with GameSession(program) as session:
        session.click(CALCULATOR)
        abacus = session.find(name=ABACUS_NAME)
        wait_for("the abacus to be offered", lambda: enabled(abacus))

        scores = [0, 0, 0]
        for number in range(1, OPERATIONS + 1):
            check(not is_showing(session.find(name=QUIT_SUN)),
                  "the setting sun shows before operation %d" % number)
            play_operation(session, number, scores)
        check(sum(scores) == OPERATIONS - len(ANSWERED_WRONG), "scores %r" % scores)
        check(is_showing(session.find(name=QUIT_SUN)), "the setting sun does not show")
        check(not enabled(session.find(name=ABACUS_NAME)), "the abacus offers a 21st operation")

        total_box = session.find(name=TOTAL_BOX_NAME)
        wait_for("the total box to open", lambda: enabled(total_box))
        session.click(TOTAL_BOX)
        wait_for("the focus in the total box", lambda: "focused" in states(total_box))
        session.type_text(str(sum(session.scores())))
        wait_for("the smiling face", lambda: is_showing(session.find(name=SMILING_FACE)))
        check(not is_showing(session.find(name=SAD_FACE)), "the sad face shows as well")

        session.click(SETTING_SUN)
        clicked = time.monotonic()
        try:
            status = session.process.wait(timeout=5)
        except Exception:
            raise AssertionError("the program is still running after the setting sun")
        check(time.monotonic() - clicked < 2.0, "the program took %.1f s to end"
              % (time.monotonic() - clicked))
        check(status == 0, "the program ended with status %d" % status)


if __name__ == "__main__":
    main(test)
