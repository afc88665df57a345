// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <string_view>

#include "app/layout.h"
#include "gamestate.h"

namespace brivolo {

// Each player colour binds one answer box, its balloon, one ice-cream counter and row,
// and one score with its label, and what a screen reader calls the two. The rotation is the
// order of this table.
struct PlayerBinding {
    ConeRow coneRow;  // the pictures of iceCreamRow
    int turn;         // value of `turno` while this player answers (3 before it wraps to 0)
    int answerBox;    // TextN
    int balloonShape;
    std::array<int, 2> balloonLines;
    float GameState::*iceCreamCounter;
    ImageArray GameState::*iceCreamRow;
    float GameState::*score;
    int scoreLabel;
    std::string_view spokenScore;      // the score label's name, before its number
    std::string_view spokenAnswerBox;  // the answer box's name
};

inline constexpr std::array<PlayerBinding, 3> kPlayers{{
    {ConeRow::Green,
     1,
     1,
     2,
     {3, 4},
     &GameState::gelatoverde,
     &GameState::gelativerdi,
     &GameState::numeroverdi,
     5,
     "Punti del verde",
     "Risposta del nipotino verde"},
    {ConeRow::Red,
     2,
     2,
     3,
     {5, 6},
     &GameState::gelatorosso,
     &GameState::gelatirossi,
     &GameState::numerorossi,
     7,
     "Punti del rosso",
     "Risposta del nipotino rosso"},
    {ConeRow::LightBlue,
     3,
     3,
     4,
     {7, 8},
     &GameState::gelatoazzurro,
     &GameState::gelatiazzurri,
     &GameState::numeroazzurri,
     9,
     "Punti dell'azzurro",
     "Risposta del nipotino azzurro"},
}};

// The final box, where the children type the total of the three scores.
inline constexpr int kTotalBox = 4;

inline constexpr const PlayerBinding& kGreen = kPlayers[0];
inline constexpr const PlayerBinding& kRed = kPlayers[1];
inline constexpr const PlayerBinding& kLightBlue = kPlayers[2];

}  // namespace brivolo
