// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// New game: resets the board and the per-game counters, then draws the twenty operations.
#include "app/form1.h"

namespace brivolo {

void Form1::Image70_Click() {
    showFish(Fish::Waiting);

    image(89).setVisible(false);
    image(90).setVisible(true);

    for (int i = 1; i <= kRowLength; ++i) {
        state_.contaoperazioni[i].setVisible(false);
        state_.gelativerdi[i].setVisible(false);
        state_.gelatirossi[i].setVisible(false);
        state_.gelatiazzurri[i].setVisible(false);
    }

    showFace(Face::Neutral);

    state_.turno = 0;
    state_.totoperazioni = 0;

    image(70).setEnabled(false);
    image(3).setEnabled(true);

    state_.gelatoverde = 0;
    state_.gelatorosso = 0;
    state_.gelatoazzurro = 0;
    state_.numeroverdi = 0;
    state_.numerorossi = 0;
    state_.numeroazzurri = 0;

    label(5).setCaption("0");
    label(7).setCaption("0");
    label(9).setCaption("0");

    textBox(4).setText("");
    textBox(4).setEnabled(false);

    random_.reseedFromTimeOfDay();
    generateOperations();
}

// Four phases, strictly in order; every attempt takes exactly one random number.
void Form1::generateOperations() {
    GameState& s = state_;
    auto draw = [this](double scale, int offset = 0) { return drawWhole(random_, scale, offset); };
    auto takenBefore = [](const CheckedArray<float, 11>& values, int k) {
        for (int j = 1; j < k; ++j) {
            if (values[j] == values[k]) {
                return true;
            }
        }
        return false;
    };

    for (int k = 1; k <= kOperationsPerKind; ++k) {
        do {
            s.primoaddendo[k] = draw(20);
        } while (takenBefore(s.primoaddendo, k));
    }
    for (int k = 1; k <= kOperationsPerKind; ++k) {
        s.secondoaddendo[k] = draw(20 - s.primoaddendo[k]);
        s.somma[k] = Variant(s.secondoaddendo[k] + s.primoaddendo[k]);
    }
    for (int k = 1; k <= kOperationsPerKind; ++k) {
        do {
            s.minuendo[k] = draw(20, 1);
        } while (takenBefore(s.minuendo, k));
    }
    for (int k = 1; k <= kOperationsPerKind; ++k) {
        do {
            s.sottraendo[k] = draw(20);
        } while (s.sottraendo[k] > s.minuendo[k]);
        s.differenza[k] = Variant(s.minuendo[k] - s.sottraendo[k]);
    }
}

}  // namespace brivolo
