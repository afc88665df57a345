// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "gamestate.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brivolo {

long roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw SubscriptError("subscript out of range");
    }
    return static_cast<long>(rounded);
}

std::string textForm(float number) {
    // Every whole number up to 2^24 is exact in a float, and its digits are its shortest form.
    constexpr float kExactWholes = 16777216.0f;
    if (number == std::trunc(number) && std::fabs(number) <= kExactWholes) {
        const long whole = std::lround(number);
        if (whole == 0 && std::signbit(number)) {
            return "-0";
        }
        return std::to_string(whole);
    }
    // Otherwise the fewest significant digits that read back as the same float.
    char buffer[32];
    for (int digits = 1;; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, static_cast<double>(number));
        if (digits >= 9 || std::strtof(buffer, nullptr) == number) {
            return buffer;
        }
    }
}

Picture& ImageArray::operator[](double index) const {
    Picture* picture = pictures_[index];
    if (picture == nullptr) {
        throw SubscriptError("image array element not bound");
    }
    return *picture;
}

}  // namespace brivolo
