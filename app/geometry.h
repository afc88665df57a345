// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

namespace brivolo {

// Window coordinates: client-area pixels, origin top left, y downwards.
struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }   // first column outside
    constexpr int bottom() const { return top + height; }  // first row outside
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Rgb {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

}  // namespace brivolo
