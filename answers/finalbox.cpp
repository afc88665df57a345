// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Final box: the children type the total of the three scores.
#include "answertext.h"
#include "app/form1.h"
#include "keyfilter.h"

namespace brivolo {

void Form1::computeExpectedTotal() {
    const GameState& s = state_;
    state_.totgelati = Variant(s.numerorossi + s.numeroverdi + s.numeroazzurri);
}

void Form1::Text4_GotFocus() {
    computeExpectedTotal();
    state_.totoperazioni = 0;
}

// Every key press, whether its character passes or not, closes the finished game.
void Form1::Text4_KeyPress(short& keyAscii) {
    filterAnswerKey(keyAscii);

    image(70).setEnabled(true);
    state_.add = 0;
    state_.sott = 0;
    computeExpectedTotal();

    showAllBalloonOutlines(false);
    label(4).setVisible(false);
    label(1).setVisible(false);
    label(2).setVisible(false);
    label(3).setVisible(false);

    for (const PlayerBinding& p : kPlayers) {
        textBox(p.answerBox).setText("");
    }
}

void Form1::Text4_KeyUp(int, int) {
    const TextBox& box = textBox(kTotalBox);
    if (judges(box)) {
        const bool right = box.text() == expectedAnswer(box)->text();
        showFace(right ? Face::Smiling : Face::Sad);
        showFish(right ? Fish::Happy : Fish::Sad);
    }
    image(89).setVisible(true);
    image(91).setVisible(false);
}

}  // namespace brivolo
