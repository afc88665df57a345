// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Next operation: presents the next of the twenty operations to the player in turn.
#include "app/form1.h"

namespace brivolo {

void Form1::showBalloon(const PlayerBinding& player, bool visible) {
    shape(player.balloonShape).setVisible(visible);
    line(player.balloonLines[0]).setVisible(visible);
    line(player.balloonLines[1]).setVisible(visible);
}

void Form1::showAllBalloonOutlines(bool visible) {
    for (int i = 1; i <= 8; ++i) {
        line(i).setVisible(visible);
    }
    for (int i = 1; i <= 4; ++i) {
        shape(i).setVisible(visible);
    }
}

void Form1::openAnswerBox(const PlayerBinding& player) {
    showBalloon(player, true);
    for (const PlayerBinding& p : kPlayers) {
        textBox(p.answerBox).setEnabled(&p == &player);
    }
    for (const PlayerBinding& p : kPlayers) {
        textBox(p.answerBox).setVisible(&p == &player);
    }
    for (const PlayerBinding& p : kPlayers) {
        if (&p != &player) {
            showBalloon(p, false);
        }
    }
}

void Form1::Image3_Click() {
    GameState& s = state_;

    showFish(Fish::Waiting);

    showAllBalloonOutlines(true);
    for (int i = 1; i <= 4; ++i) {
        label(i).setVisible(true);
    }

    image(3).setEnabled(false);
    host_.queueTab();

    s.totoperazioni += 1;
    s.contaoperazioni[s.totoperazioni].setVisible(true);
    if (s.totoperazioni > 1) {
        s.contaoperazioni[s.totoperazioni - 1].setVisible(false);
    }

    // The ice-cream counters are deliberately not reset here: a right answer to the last
    // operation must still show a new cone for the score it adds.
    if (s.totoperazioni == kOperationsPerGame) {
        image(90).setVisible(false);
        image(91).setVisible(true);
    }

    for (const PlayerBinding& p : kPlayers) {
        textBox(p.answerBox).setText("");
    }

    s.turno += 1;
    for (const PlayerBinding& p : kPlayers) {
        if (s.turno == static_cast<float>(p.turn)) {
            openAnswerBox(p);
        }
    }

    s.caso = drawWhole(random_, 2, 1);
    if (s.sott == kOperationsPerKind) {
        s.caso = 1;
    }
    if (s.add == kOperationsPerKind) {
        s.caso = 2;
    }

    if (s.caso == 1) {
        label(2).setCaption("+");
        s.add += 1;
        label(1).setCaption(textForm(s.primoaddendo[s.add]));
        label(3).setCaption(textForm(s.secondoaddendo[s.add]));
    } else if (s.caso == 2) {
        label(2).setCaption("-");
        s.sott += 1;
        label(1).setCaption(textForm(s.minuendo[s.sott]));
        label(3).setCaption(textForm(s.sottraendo[s.sott]));
    }

    if (s.turno == 3) {
        s.turno = 0;
    }
}

}  // namespace brivolo
