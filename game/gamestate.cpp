#include "gamestate.h"

#include <charconv>
#include <cmath>

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
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

Picture& ImageArray::operator[](double index) const {
    Picture* picture = pictures_[index];
    if (picture == nullptr) {
        throw SubscriptError("image array element not bound");
    }
    return *picture;
}

}  // namespace brivolo
