// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "sensibleplayer.h"

#include "app/form1.h"
#include "support/shownoperation.h"

namespace brivolo::test {

SensiblePlayer::SensiblePlayer(PlayedWindow& window, std::uint64_t seed, double rightShare)
    : window_(window), engine_(seed), rightShare_(rightShare) {}

// The right text, or another number with as many digits, so that it is judged wrong.
std::string SensiblePlayer::planFor(const std::string& right, int operation) {
    plannedOperation_ = operation;
    if (std::bernoulli_distribution(rightShare_)(engine_)) {
        return right;
    }
    return wrongOfSameLength(right, std::uniform_int_distribution<int>(1, 9)(engine_));
}

// One key towards the planned text: the next character when what is typed so far leads
// there, Backspace otherwise.
void SensiblePlayer::typeTowards(const std::string& plan, const std::string& typed) {
    if (typed.size() < plan.size() && plan.compare(0, typed.size(), typed) == 0) {
        window_.typeCharacter(plan[typed.size()]);
    } else {
        window_.typeCharacter('\b');
    }
}

bool SensiblePlayer::step() {
    Form1& form = window_.playedForm();
    if (form.ended()) {
        return false;
    }
    const GameState& s = form.state();
    TextBox& finalBox = form.textBox(4);
    Picture& calculator = form.image(70);
    Picture& abacus = form.image(3);

    const bool totalJudged = form.image(68).visible() || form.image(69).visible();
    if (calculator.enabled() && calculator.visible() && (totalJudged || !finalBox.enabled())) {
        window_.clickControl(calculator);
        totalPlanned_ = false;
        plannedOperation_ = -1;
        return true;
    }
    if (finalBox.enabled() && finalBox.visible()) {
        if (window_.focusedBox() != &finalBox) {
            window_.clickControl(finalBox);
            return true;
        }
        if (!totalPlanned_) {
            totalPlan_ = planFor(std::to_string(shownTotal(form)), 0);
            totalPlanned_ = true;
        }
        typeTowards(totalPlan_, finalBox.text());
        return true;
    }
    // Before the first game the answer boxes are open, but no operation is on show.
    for (const PlayerBinding& player : kPlayers) {
        TextBox& box = form.textBox(player.answerBox);
        if (s.caso == 0 || !box.enabled() || !box.visible()) {
            continue;
        }
        if (window_.focusedBox() != &box) {
            window_.clickControl(box);
            return true;
        }
        const int operation = static_cast<int>(s.totoperazioni);
        if (operation != plannedOperation_) {
            answerPlan_ = planFor(std::to_string(shownResult(form)), operation);
        }
        typeTowards(answerPlan_, box.text());
        return true;
    }
    if (abacus.enabled() && abacus.visible()) {
        window_.clickControl(abacus);
        return true;
    }
    return false;
}

}  // namespace brivolo::test
