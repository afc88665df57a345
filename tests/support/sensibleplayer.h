// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace brivolo::test {

class PlayedWindow;

// Plays the game as a child would, one event per step: starts a game, asks for each
// operation, types an answer (mostly the right one, read off the window), then the total of
// the scores. Whatever else happened to the window in between, each step moves the game on
// from where it stands.
class SensiblePlayer {
public:
    SensiblePlayer(PlayedWindow& window, std::uint64_t seed, double rightShare = 0.75);

    // Makes one move; false when the window offers none (the program has ended).
    bool step();

private:
    std::string planFor(const std::string& right, int operation);
    void typeTowards(const std::string& plan, const std::string& typed);

    PlayedWindow& window_;
    std::mt19937_64 engine_;
    double rightShare_;
    int plannedOperation_ = -1;
    std::string answerPlan_;
    bool totalPlanned_ = false;
    std::string totalPlan_;
};

}  // namespace brivolo::test
