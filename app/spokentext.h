// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <string>
#include <string_view>

namespace brivolo {

class Control;
class Form1;

// What a screen reader says of a control, in Italian, for every front end.
struct SpokenText {
    std::string name;  // empty: the control's own text (a label's caption) or fixed name stands
    std::string description;
};

// The name a control keeps whatever the game does: a picture says what it shows, a box whose
// answer it takes, a balloon and its tips what they are. Labels have none: their caption speaks.
std::string fixedName(const Control& control);

// Whether what the control says changes as the game goes on, so that spokenText() must be read
// again after each handler; the other controls only ever say their fixed name.
bool spokenTextChanges(const Control& control);

// Whether a front end must read the control again after every handler, whichever controls the
// handler changed: what it says changes (spokenTextChanges), or whether it is seen changes with
// the pictures that share its place (sharesItsPlace).
bool readAgainAfterHandlers(const Form1& form, const Control& control);

// The operation reads as its parts ("3", "più", "4"), the balloon as the whole operation,
// the score squares as "Punti del verde: 3", and the box that is open says whose turn it is.
SpokenText spokenText(const Form1& form, const Control& control);

// Shown where the program cannot close its own window once the user has quit.
inline constexpr std::string_view kProgramEnded = "Il gioco è finito: puoi chiudere questa pagina.";

}  // namespace brivolo
