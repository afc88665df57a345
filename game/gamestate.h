// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace brivolo {

class Picture;

// Raised when a counter used as an index falls outside its array: the game flow never does
// this when driven through the controls, so reaching it is a fault of the program.
class SubscriptError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A counter used as an index: rounded to the nearest integer, ties to even.
long roundHalfEven(double value);

// Shortest decimal form, no leading space: "0", "7", "15".
std::string textForm(float number);

// An empty-able value holding a single-precision number.
class Variant {
public:
    Variant() = default;
    explicit Variant(float number) : value_(number) {}

    bool isEmpty() const { return !value_.has_value(); }
    float number() const { return value_.value_or(0.0f); }  // empty reads as 0
    std::string text() const { return value_ ? textForm(*value_) : std::string(); }
    friend bool operator==(const Variant&, const Variant&) = default;

private:
    std::optional<float> value_;
};

// A fixed array indexed from 0 to Size - 1; every access goes through the index rule.
template <typename T, std::size_t Size>
class CheckedArray {
public:
    T& operator[](double index) { return elements_[checked(index)]; }
    const T& operator[](double index) const { return elements_[checked(index)]; }
    static constexpr std::size_t size() { return Size; }

private:
    static std::size_t checked(double index) {
        const long i = roundHalfEven(index);
        if (i < 0 || i >= static_cast<long>(Size)) {
            throw SubscriptError("subscript out of range");
        }
        return static_cast<std::size_t>(i);
    }
    std::array<T, Size> elements_{};
};

// Non-owning references to picture controls, bound once at start-up.
class ImageArray {
public:
    void bind(int index, Picture& picture) { pictures_[index] = &picture; }
    Picture& operator[](double index) const;

private:
    CheckedArray<Picture*, 21> pictures_;
};

inline constexpr int kOperationsPerKind = 10;
inline constexpr int kOperationsPerGame = 20;

// Everything the handlers remember between events. Created zero-filled with the window.
struct GameState {
    float add = 0;            // additions presented this game; index of the one on show
    float sott = 0;           // subtractions presented this game; index of the one on show
    float caso = 0;           // 1 addition on show, 2 subtraction on show, 0 none yet
    float turno = 0;          // operations presented mod 3: 1 green, 2 red, 0 light blue
    float totoperazioni = 0;  // operations presented this game
    float gelatoverde = 0;    // ice-cream counters: element last shown in each row
    float gelatorosso = 0;
    float gelatoazzurro = 0;
    float numeroverdi = 0;  // scores
    float numerorossi = 0;
    float numeroazzurri = 0;
    Variant totgelati;  // expected total of the final box

    CheckedArray<float, 11> primoaddendo;
    CheckedArray<float, 11> secondoaddendo;
    CheckedArray<Variant, 11> somma;
    CheckedArray<float, 11> minuendo;
    CheckedArray<float, 11> sottraendo;
    CheckedArray<Variant, 11> differenza;

    ImageArray contaoperazioni;  // progress row: element k marks operation k
    ImageArray gelativerdi;
    ImageArray gelatirossi;
    ImageArray gelatiazzurri;
};

}  // namespace brivolo
