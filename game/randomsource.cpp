// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "randomsource.h"

#include <chrono>
#include <cmath>

namespace brivolo {

float drawWhole(RandomSource& random, double scale, int offset) {
    return static_cast<float>(offset + std::floor(random.next() * scale));
}

std::uint64_t systemTimeOfDay() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(since).count());
}

TimeSeededRandom::TimeSeededRandom(TimeOfDay clock) : clock_(std::move(clock)) {}

void TimeSeededRandom::reseedFromTimeOfDay() {
    const std::uint64_t now = clock_();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    engine_.seed(seed);
    seeded_ = true;
}

double TimeSeededRandom::next() {
    if (!seeded_) {
        reseedFromTimeOfDay();
    }
    return unitInterval(engine_());
}

}  // namespace brivolo
