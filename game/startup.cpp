// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Start-up: binds the picture rows and puts the window into its state before the first game.
#include "app/form1.h"

namespace brivolo {

namespace {

template <typename ImageNumber>
void bindRow(ImageArray& row, Form1& form, ImageNumber imageNumber) {
    for (int i = 1; i <= kRowLength; ++i) {
        row.bind(i, form.image(imageNumber(i)));
    }
    for (int i = 1; i <= kRowLength; ++i) {
        row[i].setVisible(false);
    }
}

}  // namespace

void Form1::Form_Load() {
    hideHappyAndSadFish();
    image(90).setVisible(false);
    image(91).setVisible(false);

    bindRow(state_.contaoperazioni, *this, [](int k) { return progressImageNumber(k); });
    for (const PlayerBinding& player : kPlayers) {
        bindRow(state_.*player.iceCreamRow, *this,
                [&player](int k) { return coneImageNumber(player.coneRow, k); });
    }

    showAllBalloonOutlines(false);
    label(4).setVisible(false);
    image(3).setEnabled(false);
    textBox(4).setEnabled(false);
}

}  // namespace brivolo
