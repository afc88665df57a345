// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <vector>

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

}  // namespace brivolo::test
