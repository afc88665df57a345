// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace brivolo {

// Uniform numbers r with 0 <= r < 1, reseeded from the time of day at every new game.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromTimeOfDay() = 0;
    virtual double next() = 0;
};

// 64 random bits as a uniform number in [0, 1): the top 53 bits scaled by 2^-53, so the largest
// value is 1 - 2^-53, never 1 (std::generate_canonical may round up to exactly 1).
constexpr double unitInterval(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

// floor(scale * r + offset) for a fresh r, with a whole offset: added after the floor, since
// adding it first can round 2r + 1 up to 3 when r is just below 1.
float drawWhole(RandomSource& random, double scale, int offset = 0);

// Microseconds on the system clock: the time of day, date included.
using TimeOfDay = std::function<std::uint64_t()>;
std::uint64_t systemTimeOfDay();

// Making one reads no clock: it is seeded at its first draw, unless a new game reseeded it first.
class TimeSeededRandom : public RandomSource {
public:
    explicit TimeSeededRandom(TimeOfDay clock = systemTimeOfDay);
    void reseedFromTimeOfDay() override;
    double next() override;

private:
    TimeOfDay clock_;
    std::mt19937_64 engine_;
    bool seeded_ = false;
};

}  // namespace brivolo
