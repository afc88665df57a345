// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Answer boxes: every key press is filtered, every key release checks the open box.
#include "answertext.h"
#include "app/form1.h"
#include "keyfilter.h"

namespace brivolo {

void Form1::Text1_KeyPress(short& keyAscii) {
    filterAnswerKey(keyAscii);
}
void Form1::Text2_KeyPress(short& keyAscii) {
    filterAnswerKey(keyAscii);
}
void Form1::Text3_KeyPress(short& keyAscii) {
    filterAnswerKey(keyAscii);
}

void Form1::Text1_KeyUp(int, int) {
    checkAnswer(kGreen);
}
void Form1::Text2_KeyUp(int, int) {
    checkAnswer(kRed);
}
void Form1::Text3_KeyUp(int, int) {
    checkAnswer(kLightBlue);
}

const Variant* Form1::expectedAnswer(const TextBox& box) const {
    const GameState& s = state_;
    if (box.number() == kTotalBox) {
        return &s.totgelati;
    }
    if (s.caso == 1) {
        return &s.somma[s.add];
    }
    if (s.caso == 2) {
        return &s.differenza[s.sott];
    }
    return nullptr;
}

std::optional<std::size_t> Form1::judgedLength(const TextBox& box) const {
    if (const Variant* expected = expectedAnswer(box)) {
        return characterCount(expected->text());
    }
    return std::nullopt;
}

bool Form1::judges(const TextBox& box) const {
    return judgedLength(box) == characterCount(box.text());
}

// Judges the answer once it has as many characters as the expected result.
void Form1::checkAnswer(const PlayerBinding& player) {
    GameState& s = state_;
    TextBox& box = textBox(player.answerBox);
    if (!judges(box)) {
        return;
    }

    if (static_cast<double>(expectedAnswer(box)->number()) == decimalValue(box.text())) {
        float& counter = s.*player.iceCreamCounter;
        counter += 1;
        (s.*player.iceCreamRow)[counter].setVisible(true);
        float& score = s.*player.score;
        score += 1;
        label(player.scoreLabel).setCaption(textForm(score));
        showFish(Fish::Happy);
    } else {
        showFish(Fish::Sad);
    }

    box.setEnabled(false);
    if (s.totoperazioni < kOperationsPerGame) {
        image(3).setEnabled(true);
    } else {
        textBox(4).setEnabled(true);
    }
}

}  // namespace brivolo
