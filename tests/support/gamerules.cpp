// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "gamerules.h"

#include <algorithm>

#include "app/form1.h"

namespace brivolo::test {

namespace {

bool isWhole(float value, float low, float high) {
    return value >= low && value <= high && value == static_cast<float>(static_cast<int>(value));
}

void checkCounters(const Form1& form, QStringList& broken) {
    const GameState& s = form.state();
    const std::pair<const char*, std::pair<float, float>> bounded[] = {
        {"add", {s.add, kOperationsPerKind}},
        {"sott", {s.sott, kOperationsPerKind}},
        {"totoperazioni", {s.totoperazioni, kOperationsPerGame}},
        {"turno", {s.turno, 2}},
        {"caso", {s.caso, 2}},
    };
    for (const auto& [name, valueAndLimit] : bounded) {
        if (!isWhole(valueAndLimit.first, 0, valueAndLimit.second)) {
            broken.append(QStringLiteral("%1 = %2 is outside 0..%3")
                              .arg(QLatin1String(name))
                              .arg(double(valueAndLimit.first))
                              .arg(double(valueAndLimit.second)));
        }
    }
    // Once the twentieth answer is judged the final box opens, and the counters are reset at
    // two moments: the operations counter when the box gets the focus, then the kind counters
    // at its first key.
    const bool finalBoxOpen =
        form.textBox(4).enabled() && s.add + s.sott == kOperationsPerGame && s.totoperazioni == 0;
    if (s.add + s.sott != s.totoperazioni && !finalBoxOpen) {
        broken.append(QStringLiteral("add + sott = %1 + %2 but totoperazioni = %3")
                          .arg(double(s.add))
                          .arg(double(s.sott))
                          .arg(double(s.totoperazioni)));
    }
}

void checkCones(const Form1& form, QStringList& broken) {
    const GameState& s = form.state();
    for (std::size_t p = 0; p < kPlayers.size(); ++p) {
        const PlayerBinding& player = kPlayers[p];
        const float score = s.*player.score;
        const float counter = s.*player.iceCreamCounter;
        int cones = 0;
        for (int k = 1; k <= kRowLength; ++k) {
            cones += form.image(coneImageNumber(player.coneRow, k)).visible() ? 1 : 0;
        }
        if (!isWhole(counter, 0, kRowLength) || !isWhole(score, 0, kRowLength)) {
            broken.append(QStringLiteral("player %1: counter %2, score %3 out of range")
                              .arg(p + 1)
                              .arg(double(counter))
                              .arg(double(score)));
        }
        if (float(cones) != score || counter != score) {
            broken.append(QStringLiteral("player %1: %2 cones shown, counter %3, score %4")
                              .arg(p + 1)
                              .arg(cones)
                              .arg(double(counter))
                              .arg(double(score)));
        }
        const std::string& caption = form.label(player.scoreLabel).caption();
        const bool beforeFirstGame = caption.empty() && score == 0;
        if (caption != textForm(score) && !beforeFirstGame) {
            broken.append(QStringLiteral("player %1: score label \"%2\" for score %3")
                              .arg(p + 1)
                              .arg(QString::fromStdString(caption))
                              .arg(double(score)));
        }
    }
}

}  // namespace

QStringList brokenGameRules(const Form1& form) {
    QStringList broken;
    checkCounters(form, broken);
    int markers = 0;
    for (int k = 1; k <= kRowLength; ++k) {
        markers += form.image(progressImageNumber(k)).visible() ? 1 : 0;
    }
    if (markers > 1) {
        broken.append(QStringLiteral("%1 progress markers shown").arg(markers));
    }
    checkCones(form, broken);
    for (int n = 1; n <= kTextBoxCount; ++n) {
        const std::string& text = form.textBox(n).text();
        if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            broken.append(
                QStringLiteral("Text%1 holds \"%2\"").arg(n).arg(QString::fromStdString(text)));
        }
    }
    return broken;
}

}  // namespace brivolo::test
