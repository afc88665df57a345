// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace brivolo {

// The twenty-three pictures of the window. Each is drawn as an SVG in app/assets; a few are
// derived from a shared drawing (the setting suns are cuts of the sun, the cones recolour one
// scoop, the fish and the faces add a mood layer to one base), so that each family has one source.
enum class Asset {
    None,
    BeachBackground,
    Uncle,
    Nephews,
    Sun,
    SunSetting1,
    SunSetting2,
    SunSetting3,
    SunSetting4,
    SunSetting5,
    ConeGreen,
    ConeRed,
    ConeLightBlue,
    Calculator,
    Abacus,
    ArrowRight,
    ArrowUpLeft,
    ArrowDownLeft,
    FishWaiting,
    FishHappy,
    FishSad,
    FaceNeutral,
    FaceSmiling,
    FaceSad,
};

struct ColourSwap {
    std::string_view from;  // as written in the drawing, lower-case "#rrggbb"
    std::string_view to;
};

struct PictureDescription {
    Asset asset = Asset::None;
    std::string_view name;  // the name the layout uses, e.g. "cone-green"
    int width = 0;          // the picture's own pixel size
    int height = 0;
    bool opaque = false;                // only the background covers every pixel
    std::string_view drawing;           // SVG file, base layer
    std::string_view overlay;           // SVG file drawn over the base, same size; may be empty
    std::array<ColourSwap, 3> swaps{};  // colours of the drawing replaced for this variant
    int drawingHeight = 0;  // height of the drawing's viewBox when the picture is a cut of it
    int lastDrawnRow = -1;  // for cuts: nothing of the drawing is kept below this row
    std::string_view description;  // short Italian description for assistive technology
};

inline constexpr int kSunWidth = 218;
inline constexpr int kSunHeight = 217;

inline constexpr std::array<PictureDescription, 23> kAssets{{
    {.asset = Asset::BeachBackground,
     .name = "beach-background",
     .width = 800,
     .height = 600,
     .opaque = true,
     .drawing = "beach-background.svg",
     .description = "La spiaggia"},
    {.asset = Asset::Uncle,
     .name = "uncle",
     .width = 415,
     .height = 500,
     .drawing = "uncle.svg",
     .description = "Lo zio Gorvaldo"},
    {.asset = Asset::Nephews,
     .name = "nephews",
     .width = 552,
     .height = 500,
     .drawing = "nephews.svg",
     .description = "I tre nipotini: verde a sinistra, rosso in mezzo, azzurro a destra"},
    {.asset = Asset::Sun,
     .name = "sun",
     .width = kSunWidth,
     .height = kSunHeight,
     .drawing = "sun.svg",
     .description = "Il sole"},
    {.asset = Asset::SunSetting1,
     .name = "sun-setting-1",
     .width = kSunWidth,
     .height = kSunHeight,
     .drawing = "sun.svg",
     .drawingHeight = kSunHeight,
     .lastDrawnRow = 177,
     .description = "Il sole che tramonta"},
    {.asset = Asset::SunSetting2,
     .name = "sun-setting-2",
     .width = kSunWidth,
     .height = kSunHeight,
     .drawing = "sun.svg",
     .drawingHeight = kSunHeight,
     .lastDrawnRow = 151,
     .description = "Il sole che tramonta"},
    {.asset = Asset::SunSetting3,
     .name = "sun-setting-3",
     .width = kSunWidth,
     .height = 160,
     .drawing = "sun.svg",
     .drawingHeight = kSunHeight,
     .lastDrawnRow = 159,
     .description = "Il sole che tramonta"},
    {.asset = Asset::SunSetting4,
     .name = "sun-setting-4",
     .width = kSunWidth,
     .height = 125,
     .drawing = "sun.svg",
     .drawingHeight = kSunHeight,
     .lastDrawnRow = 124,
     .description = "Il sole che tramonta"},
    {.asset = Asset::SunSetting5,
     .name = "sun-setting-5",
     .width = kSunWidth,
     .height = 104,
     .drawing = "sun.svg",
     .drawingHeight = kSunHeight,
     .lastDrawnRow = 103,
     .description = "Il sole al tramonto: è ora di tornare a casa"},
    {.asset = Asset::ConeGreen,
     .name = "cone-green",
     .width = 97,
     .height = 185,
     .drawing = "cone.svg",
     .description = "Gelato verde"},
    {.asset = Asset::ConeRed,
     .name = "cone-red",
     .width = 97,
     .height = 185,
     .drawing = "cone.svg",
     .swaps = {{{"#33cc33", "#e8302a"}, {"#1f8f1f", "#a81c16"}, {"#99ee99", "#ff9a90"}}},
     .description = "Gelato rosso"},
    {.asset = Asset::ConeLightBlue,
     .name = "cone-light-blue",
     .width = 97,
     .height = 185,
     .drawing = "cone.svg",
     .swaps = {{{"#33cc33", "#22d3f0"}, {"#1f8f1f", "#1296b5"}, {"#99ee99", "#b0f4ff"}}},
     .description = "Gelato azzurro"},
    {.asset = Asset::Calculator,
     .name = "calculator",
     .width = 85,
     .height = 91,
     .drawing = "calculator.svg",
     .description = "Il calcolatore: nuova partita"},
    {.asset = Asset::Abacus,
     .name = "abacus",
     .width = 76,
     .height = 77,
     .drawing = "abacus.svg",
     .description = "Il pallottoliere: prossima operazione"},
    {.asset = Asset::ArrowRight,
     .name = "arrow-right",
     .width = 61,
     .height = 27,
     .drawing = "arrow-right.svg",
     .description = "Freccia verso il calcolatore"},
    {.asset = Asset::ArrowUpLeft,
     .name = "arrow-up-left",
     .width = 44,
     .height = 94,
     .drawing = "arrow-up-left.svg",
     .description = "Freccia verso il pallottoliere"},
    {.asset = Asset::ArrowDownLeft,
     .name = "arrow-down-left",
     .width = 49,
     .height = 96,
     .drawing = "arrow-down-left.svg",
     .description = "Freccia verso la casella del totale"},
    {.asset = Asset::FishWaiting,
     .name = "fish-waiting",
     .width = 200,
     .height = 185,
     .drawing = "fish.svg",
     .overlay = "fish-waiting.svg",
     .description = "Il pesce aspetta la risposta"},
    {.asset = Asset::FishHappy,
     .name = "fish-happy",
     .width = 200,
     .height = 185,
     .drawing = "fish.svg",
     .overlay = "fish-happy.svg",
     .description = "Il pesce sorride: risposta esatta"},
    {.asset = Asset::FishSad,
     .name = "fish-sad",
     .width = 200,
     .height = 185,
     .drawing = "fish.svg",
     .overlay = "fish-sad.svg",
     .description = "Il pesce è triste: risposta sbagliata"},
    {.asset = Asset::FaceNeutral,
     .name = "face-neutral",
     .width = 32,
     .height = 32,
     .drawing = "face.svg",
     .overlay = "face-neutral.svg",
     .description = "Faccina seria"},
    {.asset = Asset::FaceSmiling,
     .name = "face-smiling",
     .width = 32,
     .height = 32,
     .drawing = "face.svg",
     .overlay = "face-smiling.svg",
     .description = "Faccina sorridente: totale esatto"},
    {.asset = Asset::FaceSad,
     .name = "face-sad",
     .width = 32,
     .height = 32,
     .drawing = "face.svg",
     .overlay = "face-sad.svg",
     .description = "Faccina triste: totale sbagliato"},
}};

const PictureDescription& pictureDescription(Asset asset);

struct CursorDescription {
    std::string_view name;
    std::string_view drawing;
    int width;
    int height;
    int hotspotX;
    int hotspotY;
};

inline constexpr CursorDescription kHandPointer{"hand-pointer", "hand-pointer.svg", 32, 32, 12, 1};

// The program's own icon, for the window, the launcher and the taskbar.
inline constexpr std::string_view kProgramIcon = "brivolo.svg";

// The sizes the program icon is rendered at: the desktop's icon theme gets a file of each, and
// the window hands those marked to the window manager (the sizes Qt picks for an icon that
// has none of its own).
struct ProgramIconSize {
    int side;
    bool forWindow;
};
inline constexpr std::array<ProgramIconSize, 8> kProgramIconSizes{{{16, true},
                                                                   {22, false},
                                                                   {24, false},
                                                                   {32, true},
                                                                   {48, false},
                                                                   {64, true},
                                                                   {128, true},
                                                                   {256, false}}};

}  // namespace brivolo
