// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/form1.h"
#include "game/randomsource.h"

namespace brivolo::test {

// Hands out the numbers it was given, in order; after that, numbers from a seeded engine.
// Counts every number taken and every reseed.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : engine_(seed) {}
    void script(std::initializer_list<double> numbers) { queue_.insert(queue_.end(), numbers); }
    void script(const std::vector<double>& numbers) {
        queue_.insert(queue_.end(), numbers.begin(), numbers.end());
    }
    // Draws a game whose operations are known: first addends 0..9 with second addend 1,
    // minuends 11..20 with subtrahend 1, kinds alternating addition, subtraction, ...
    void scriptPredictableGame();
    // Draws the first addition a + b and the first subtraction m - t (the other nine of each
    // kind follow distinct values), then presents the kinds given (true: addition).
    void scriptFirstOperations(int a, int b, int m, int t, std::initializer_list<bool> kinds);

    void reseedFromTimeOfDay() override { ++reseeds; }
    double next() override;

    int taken = 0;
    int reseeds = 0;

private:
    std::deque<double> queue_;
    std::mt19937_64 engine_;
};

// Records the host calls; Harness carries each queued Tab out once the handler has returned.
class RecordingHost : public WindowHost {
public:
    void queueTab() override { ++tabsQueued; }
    void endProgram() override { ++endRequests; }
    void endWithRunTimeError(const std::string& message) override {
        runTimeErrors.push_back(message);
    }
    int tabsQueued = 0;
    int endRequests = 0;
    std::vector<std::string> runTimeErrors;
};

// Follows the focus box: when it is hidden or disabled, the toolkit moves the focus on.
class FocusKeeper : public ControlObserver {
public:
    explicit FocusKeeper(std::function<void(const Control&)> lost) : lost_(std::move(lost)) {}
    void propertyChanged(const Control& control, Property property) override;

private:
    std::function<void(const Control&)> lost_;
};

// The expected answer to the operation on show (the sum or the difference the game judges by).
const Variant& expectedAnswer(const GameState& state);

// A game window with its fakes, loaded as at program start, with a simple model of the
// toolkit's focus (tab order, GotFocus) for driving it through its events.
class Harness {
public:
    explicit Harness(std::uint64_t seed = 1);

    ScriptedRandom random;
    RecordingHost host;
    Form1 form{random, host};

    TextBox* focus = nullptr;

    // A click on the abacus followed by the Tab it queues.
    void clickAbacus();
    void click(int imageNumber);
    void focusBox(int textNumber);  // as by a mouse click into the box
    void pressTab();
    // A character key: KeyPress, the character inserted if it passed, then KeyUp.
    void type(short characterCode);
    void typeText(const char* text);
    void backspace() { type(8); }
    void keyWithoutCharacter();  // Shift, an arrow: KeyUp alone

    // The expected result of the operation on show, as a number.
    int expectedResult() const;
    // Types the expected result, or a wrong number of the same length, into the focus box.
    void answer(bool right);
    // New game, then all twenty operations answered (right where `right(k)` says so).
    void playOperations(const std::function<bool(int operation)>& right);
    // Clicks into the final box and types the total of the three scores (or a wrong one).
    void typeTotal(bool right);
    void scriptPredictableGame() { random.scriptPredictableGame(); }
    int visibleCount(int firstImage, int lastImage);
    int visibleCones(ConeRow row);
    int visibleProgressMarkers();

private:
    FocusKeeper keeper_;
    void moveFocusToNext();
    void giveFocus(TextBox* box);
};

}  // namespace brivolo::test
