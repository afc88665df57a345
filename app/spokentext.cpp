// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "spokentext.h"

#include <array>

#include "form1.h"
#include "game/players.h"
#include "stacking.h"

namespace brivolo {

namespace {

constexpr int kFirstOperandLabel = 1;
constexpr int kSignLabel = 2;
constexpr int kSecondOperandLabel = 3;
constexpr int kOperationBalloon = 1;

// The labels between the numbers: the "=" after the operation and the signs of the score row.
struct Symbol {
    int label;
    std::string_view spoken;
};

constexpr std::array<Symbol, 4> kSymbols{{{4, "uguale"}, {6, "più"}, {8, "più"}, {10, "uguale"}}};

std::string spokenSign(const std::string& sign) {
    if (sign == "+") {
        return "più";
    }
    if (sign == "-") {
        return "meno";
    }
    return sign;
}

std::string spokenOperation(const Form1& form) {
    const std::string& first = form.label(kFirstOperandLabel).caption();
    const std::string& second = form.label(kSecondOperandLabel).caption();
    if (first.empty() || second.empty()) {
        return "Fumetto dell'operazione";
    }
    return first + ' ' + spokenSign(form.label(kSignLabel).caption()) + ' ' + second + " uguale";
}

SpokenText spokenLabel(const Label& label) {
    const int number = label.number();
    switch (number) {
        case kFirstOperandLabel:
            return {label.caption(), "Primo numero dell'operazione"};
        case kSignLabel:
            return {spokenSign(label.caption()), "Segno dell'operazione"};
        case kSecondOperandLabel:
            return {label.caption(), "Secondo numero dell'operazione"};
        default:
            break;
    }
    for (const PlayerBinding& player : kPlayers) {
        if (player.scoreLabel == number) {
            std::string owner(player.spokenScore);
            return {label.caption().empty() ? owner : owner + ": " + label.caption(), {}};
        }
    }
    for (const Symbol& symbol : kSymbols) {
        if (symbol.label == number) {
            return {std::string(symbol.spoken), {}};
        }
    }
    return {};
}

// The open box is the one the balloon points at while it still takes an answer.
bool isOpenAnswerBox(const Form1& form, const TextBox& box) {
    for (const PlayerBinding& player : kPlayers) {
        if (player.answerBox == box.number()) {
            return box.visible() && box.enabled() && form.shape(player.balloonShape).visible();
        }
    }
    return false;
}

SpokenText spokenTextBox(const Form1& form, const TextBox& box) {
    if (box.number() == kTotalBox) {
        return {{},
                box.enabled() && box.visible()
                    ? "Tocca a te: scrivi il totale dei punti dei tre nipotini"
                    : ""};
    }
    return {{}, isOpenAnswerBox(form, box) ? "Tocca a te" : ""};
}

}  // namespace

std::string fixedName(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Picture:
            return std::string(pictureDescription(control.layout().asset).description);
        case ControlKind::TextBox:
            for (const PlayerBinding& player : kPlayers) {
                if (player.answerBox == control.number()) {
                    return std::string(player.spokenAnswerBox);
                }
            }
            return "Totale dei punti";
        case ControlKind::Line:
            return "Punta del fumetto";
        case ControlKind::Shape:
            return "Fumetto";
        case ControlKind::Label:
            break;
    }
    return {};
}

bool spokenTextChanges(const Control& control) {
    const ControlKind kind = control.kind();
    return kind == ControlKind::Label || kind == ControlKind::TextBox ||
           (kind == ControlKind::Shape && control.number() == kOperationBalloon);
}

SpokenText spokenText(const Form1& form, const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label:
            return spokenLabel(static_cast<const Label&>(control));
        case ControlKind::TextBox:
            return spokenTextBox(form, static_cast<const TextBox&>(control));
        case ControlKind::Shape:
            if (control.number() == kOperationBalloon) {
                return {spokenOperation(form), {}};
            }
            break;
        case ControlKind::Picture:
        case ControlKind::Line:
            break;
    }
    return {};
}

bool readAgainAfterHandlers(const Form1& form, const Control& control) {
    return spokenTextChanges(control) || sharesItsPlace(form, control);
}

}  // namespace brivolo
