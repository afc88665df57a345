// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "assets.h"
#include "geometry.h"

namespace brivolo {

enum class ControlKind { Picture, Label, TextBox, Line, Shape };

// Every text of the window is Tahoma Bold; sizes are points at 96 dpi. The first baseline of a
// text lies this far below its top, in ems, as in Tahoma; a face that differs is moved to match.
inline constexpr double kFontAscent = 2049.0 / 2048.0;
enum class FontSize { None, Small, Medium, Large };  // 14.25, 24 and 36 pt

enum class Paint { None, Transparent, Blue, Cyan, Green, Red, White, SystemWindow };

enum class Cursor { Arrow, Hand };

inline constexpr int kClientWidth = 792;
inline constexpr int kClientHeight = 566;
inline constexpr std::string_view kCaption =
    "ZELTRAMO      Il Numero:  Addizioni e sottrazioni in riga (entro 20)";
inline constexpr Rgb kWindowBackground{0, 255, 255};
inline constexpr int kStrokeWidth = 2;    // lines and rounded outlines
inline constexpr int kCornerRadius = 14;  // of the rounded outlines
inline constexpr int kNoTabIndex = -1;

// One control of the window as laid out. Lines use `from` and `to`; every other kind `rect`.
struct ControlLayout {
    ControlKind kind = ControlKind::Picture;
    int number = 0;     // Image3 is {Picture, 3}
    int stackRank = 0;  // 1 is in front of everything
    Rect rect{};
    Point from{};
    Point to{};
    Asset asset = Asset::None;
    std::string_view caption;
    FontSize font = FontSize::None;
    Paint fore = Paint::None;
    Paint back = Paint::None;
    std::string_view tooltip;
    Cursor cursor = Cursor::Arrow;
    int tabIndex = kNoTabIndex;
};

std::string_view kindPrefix(ControlKind kind);  // "Image", "Label", "Text", "Line", "Shape"
std::string controlName(ControlKind kind, int number);

double pointSize(FontSize size);
int pixelSize(FontSize size);  // at 96 dpi
Rgb rgb(Paint paint);          // not for Transparent, None or SystemWindow

// Rows of pictures that the game addresses by index, 1 to 20.
inline constexpr int kRowLength = 20;
enum class ConeRow { Green, Red, LightBlue };  // which player's is which: kPlayers

// Element k of the progress row is Image(3 + k) up to k = 3 and Image(68 + k) after: the
// numbers 7 to 71 in between are the cones', the faces', the calculator's and the happy fish's.
constexpr int progressImageNumber(int element) {
    return element <= 3 ? 3 + element : element + 68;
}

constexpr int coneImageNumber(ConeRow row, int element) {
    return 6 + 20 * static_cast<int>(row) + element;
}

inline constexpr int kControlCount = 120;
const std::array<ControlLayout, kControlCount>& layout();

// Where a control paints: its rectangle, or for a line the box of its end points widened on
// every side by the pen's width, so that the pen's round caps are not cut off.
constexpr Rect drawnArea(const ControlLayout& entry) {
    const Rect& r = entry.rect;
    if (entry.kind != ControlKind::Line) {
        return r;
    }
    return {r.left - kStrokeWidth, r.top - kStrokeWidth, r.width + 2 * kStrokeWidth,
            r.height + 2 * kStrokeWidth};
}

// The numbers of the text boxes, the only controls that take the focus, in tab order.
inline constexpr int kTextBoxCount = 4;
const std::array<int, kTextBoxCount>& tabOrder();

}  // namespace brivolo
