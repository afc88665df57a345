// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace brivolo {
class Control;
class Form1;
class TextBox;
}  // namespace brivolo

namespace brivolo::test {

// A game window as a player's hands reach it: through the core alone (Harness) or through
// the real front end (the hardening tests' WindowUnderTest).
class PlayedWindow {
public:
    virtual ~PlayedWindow() = default;
    virtual Form1& playedForm() = 0;
    // The text box that has the keyboard focus, if any.
    virtual TextBox* focusedBox() = 0;
    // A left click on the control.
    virtual void clickControl(const Control& control) = 0;
    // A digit, or '\b' for Backspace, typed into the focus.
    virtual void typeCharacter(char character) = 0;
};

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
