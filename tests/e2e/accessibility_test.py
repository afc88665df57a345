# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""What a screen reader finds in the window, read over AT-SPI from the running program."""

import time

from xsession import (ABACUS, ABACUS_NAME, ANSWER_BOXES, CALCULATOR, CAPTION, QUIT_SUN,
                      YOUR_TURN, GameSession, check, enabled, expected_result, is_showing, main,
                      states, wait_for, wrong_answer_of_same_length)

CALCULATOR_NAME = "Il calcolatore: nuova partita"
HAPPY_FISH = "Il pesce sorride: risposta esatta"
SAD_FISH = "Il pesce è triste: risposta sbagliata"
TOTAL_BOX_NAME = "Totale dei punti"


def check_before_a_game(session):
    check(session.window().get_name() == CAPTION, "the window reads %r" % session.window().get_name())
    for control in session.controls():
        if control.get_role_name() in ("filler", "text"):
            check(control.get_name(), "a picture or box has no name")
    check(not enabled(session.find(name=ABACUS_NAME)), "the abacus is offered before a game")
    check(enabled(session.find(name=CALCULATOR_NAME)), "the calculator is not offered")
    check(not is_showing(session.find(name=QUIT_SUN)), "the quit sun shows before a game")
    check(not enabled(session.find(name=TOTAL_BOX_NAME)), "the total box is open before a game")
    check(session.open_boxes() == [], "a box says it is someone's turn before a game")


def check_new_game(session):
    session.click(CALCULATOR)
    wait_for("the abacus to be offered", lambda: enabled(session.find(name=ABACUS_NAME)))
    check(not enabled(session.find(name=CALCULATOR_NAME)), "the calculator stays offered")
    check(session.scores() == [0, 0, 0], "the scores read %r" % session.scores())


def open_next_operation(session, expected_box):
    session.click(ABACUS)
    box = wait_for("the %s to open" % expected_box,
                   lambda: [b for b in session.open_boxes() if "focused" in states(b)])
    check(len(box) == 1 and box[0].get_name() == expected_box,
          "the open box is %r" % [b.get_name() for b in box])
    for name in ANSWER_BOXES:
        if name != expected_box:
            check(not is_showing(session.find(name=name)), "%s shows out of turn" % name)
    check(not enabled(session.find(name=ABACUS_NAME)), "the abacus stays offered")
    operation = session.operation()
    spoken = "%d %s %d uguale" % (operation[0], "più" if operation[1] == "+" else "meno",
                                  operation[2])
    balloon = session.find(name=spoken)
    check(is_showing(balloon), "the operation balloon reads %r but is hidden" % spoken)
    return operation


def answer(session, box_name, text):
    session.type_text(text)
    wait_for("the answer to be judged", lambda: not enabled(session.find(name=box_name)))
    check(session.find(name=box_name).get_description() != YOUR_TURN,
          "a judged box still says it is someone's turn")


def test(program):
    with GameSession(program) as session:
        check_before_a_game(session)
        check_new_game(session)

        operation = open_next_operation(session, ANSWER_BOXES[0])
        answer(session, ANSWER_BOXES[0], str(expected_result(operation)))
        wait_for("the happy fish", lambda: is_showing(session.find(name=HAPPY_FISH)))
        check(session.scores() == [1, 0, 0], "after a right answer the scores read %r"
              % session.scores())

        operation = open_next_operation(session, ANSWER_BOXES[1])
        answer(session, ANSWER_BOXES[1], str(wrong_answer_of_same_length(
            expected_result(operation))))
        wait_for("the sad fish", lambda: is_showing(session.find(name=SAD_FISH)))
        check(not is_showing(session.find(name=HAPPY_FISH)), "the happy fish stays")
        check(session.scores() == [1, 0, 0], "after a wrong answer the scores read %r"
              % session.scores())
        check(enabled(session.find(name=ABACUS_NAME)), "the abacus is not offered again")


if __name__ == "__main__":
    main(test)
