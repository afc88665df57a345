// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "layout.h"

#include <algorithm>
#include <stdexcept>

#include "form1.h"

namespace brivolo {
namespace {

// The hand shows over the pictures that take a click.
constexpr ControlLayout picture(int number, int rank, Rect rect, Asset asset,
                                std::string_view tooltip = {}) {
    return {.kind = ControlKind::Picture,
            .number = number,
            .stackRank = rank,
            .rect = rect,
            .asset = asset,
            .tooltip = tooltip,
            .cursor = Form1::hasClickHandler(number) ? Cursor::Hand : Cursor::Arrow};
}

constexpr ControlLayout label(int number, int rank, Rect rect, std::string_view caption,
                              FontSize font, Paint fore, Paint back, int tabIndex) {
    return {.kind = ControlKind::Label,
            .number = number,
            .stackRank = rank,
            .rect = rect,
            .caption = caption,
            .font = font,
            .fore = fore,
            .back = back,
            .tabIndex = tabIndex};
}

constexpr ControlLayout textBox(int number, int rank, Rect rect, FontSize font, Paint back,
                                int tabIndex) {
    return {.kind = ControlKind::TextBox,
            .number = number,
            .stackRank = rank,
            .rect = rect,
            .font = font,
            .fore = Paint::Blue,
            .back = back,
            .tabIndex = tabIndex};
}

constexpr ControlLayout line(int number, int rank, Point from, Point to) {
    const Rect box{std::min(from.x, to.x), std::min(from.y, to.y),
                   std::max(from.x, to.x) - std::min(from.x, to.x),
                   std::max(from.y, to.y) - std::min(from.y, to.y)};
    return {.kind = ControlKind::Line,
            .number = number,
            .stackRank = rank,
            .rect = box,
            .from = from,
            .to = to,
            .fore = Paint::Blue};
}

constexpr ControlLayout shape(int number, int rank, Rect rect) {
    return {.kind = ControlKind::Shape,
            .number = number,
            .stackRank = rank,
            .rect = rect,
            .fore = Paint::Blue};
}

constexpr std::string_view kUncleTip = "PREPARO LE OPERAZIONI DA ESEGUIRE";

constexpr std::array kFixedControls{
    // Title banner.
    label(11, 45, {40, 8, 713, 57},
          "ZIO GORVALDO COMPRERÀ AI NIPOTINI UN GELATO PER OGNI RISPOSTA ESATTA: AIUTA BRIVOLO!",
          FontSize::Small, Paint::Blue, Paint::Transparent, 14),
    // Operation balloon.
    shape(1, 5, {40, 80, 321, 81}),
    label(1, 42, {48, 88, 89, 65}, "", FontSize::Large, Paint::Blue, Paint::Transparent, 0),
    label(2, 114, {136, 88, 65, 49}, "", FontSize::Large, Paint::Blue, Paint::Transparent, 1),
    label(3, 43, {200, 88, 89, 65}, "", FontSize::Large, Paint::Blue, Paint::Transparent, 2),
    label(4, 113, {288, 88, 65, 49}, "=", FontSize::Large, Paint::Blue, Paint::Transparent, 3),
    line(1, 41, {168, 160}, {152, 248}),
    line(2, 40, {192, 160}, {152, 248}),
    // Answer balloons: green, red, light blue.
    shape(2, 39, {496, 72, 81, 81}),
    textBox(1, 4, {504, 80, 65, 65}, FontSize::Large, Paint::Cyan, 4),
    shape(3, 36, {600, 48, 81, 81}),
    textBox(2, 3, {608, 56, 65, 65}, FontSize::Large, Paint::Cyan, 5),
    shape(4, 33, {704, 80, 81, 81}),
    textBox(3, 2, {712, 88, 65, 65}, FontSize::Large, Paint::Cyan, 6),
    line(3, 38, {528, 152}, {584, 336}),
    line(4, 37, {544, 152}, {584, 336}),
    line(5, 35, {632, 128}, {656, 280}),
    line(6, 34, {648, 128}, {656, 280}),
    line(7, 32, {736, 160}, {736, 344}),
    line(8, 31, {752, 160}, {736, 344}),
    // Characters, buttons, arrows and feedback pictures.
    picture(2, 120, {8, 200, 215, 308}, Asset::Uncle, kUncleTip),
    picture(1, 115, {560, 256, 232, 204}, Asset::Nephews, "SIAMO PRONTI"),
    picture(70, 44, {96, 496, 68, 72}, Asset::Calculator, kUncleTip),
    picture(3, 30, {608, 400, 76, 77}, Asset::Abacus, "CALCOLIAMO"),
    picture(89, 11, {40, 520, 59, 17}, Asset::ArrowRight, "CLICCA SUL CALCOLATORE"),
    picture(90, 10, {648, 456, 36, 62}, Asset::ArrowUpLeft, "CLICCA SUL PALLOTTOLIERE"),
    picture(91, 9, {568, 440, 41, 64}, Asset::ArrowDownLeft),
    picture(93, 6, {240, 280, 144, 113}, Asset::FishSad),
    picture(92, 7, {240, 280, 144, 113}, Asset::FishWaiting),
    picture(71, 8, {240, 280, 144, 113}, Asset::FishHappy),
    picture(67, 46, {600, 496, 48, 48}, Asset::FaceNeutral),
    picture(68, 117, {600, 496, 48, 48}, Asset::FaceSmiling),
    picture(69, 116, {600, 496, 48, 48}, Asset::FaceSad),
    // Score row.
    label(5, 52, {232, 504, 41, 41}, "", FontSize::Medium, Paint::White, Paint::Green, 7),
    label(6, 51, {280, 504, 41, 41}, "+", FontSize::Medium, Paint::White, Paint::Transparent, 8),
    label(7, 50, {328, 504, 41, 41}, "", FontSize::Medium, Paint::White, Paint::Red, 9),
    label(8, 49, {376, 504, 41, 41}, "+", FontSize::Medium, Paint::White, Paint::Transparent, 10),
    label(9, 48, {424, 504, 41, 41}, "", FontSize::Medium, Paint::White, Paint::Cyan, 11),
    label(10, 47, {472, 504, 41, 41}, "=", FontSize::Medium, Paint::White, Paint::Transparent, 12),
    textBox(4, 1, {520, 502, 49, 43}, FontSize::Medium, Paint::SystemWindow, 13),
};

struct ProgressElement {
    int stackRank;
    Rect rect;
    Asset asset;
};

// Element k of the progress row is entry k - 1; the sun sinks along it to the horizon.
constexpr std::array<ProgressElement, kRowLength> kProgressRow{{
    {118, {392, 16, 130, 130}, Asset::Sun},         {119, {381, 27, 130, 130}, Asset::Sun},
    {29, {370, 40, 130, 130}, Asset::Sun},          {28, {360, 48, 130, 130}, Asset::Sun},
    {27, {349, 64, 130, 130}, Asset::Sun},          {26, {338, 70, 130, 130}, Asset::Sun},
    {25, {327, 81, 130, 130}, Asset::Sun},          {24, {316, 96, 130, 130}, Asset::Sun},
    {23, {306, 104, 130, 130}, Asset::Sun},         {22, {295, 113, 130, 130}, Asset::Sun},
    {21, {284, 124, 130, 130}, Asset::Sun},         {20, {273, 135, 130, 130}, Asset::Sun},
    {19, {262, 152, 130, 130}, Asset::Sun},         {18, {252, 163, 130, 130}, Asset::Sun},
    {17, {241, 174, 130, 130}, Asset::Sun},         {16, {230, 184, 130, 130}, Asset::SunSetting1},
    {15, {219, 195, 130, 130}, Asset::SunSetting2}, {14, {208, 206, 130, 89}, Asset::SunSetting3},
    {13, {198, 217, 130, 69}, Asset::SunSetting4},  {12, {187, 232, 130, 56}, Asset::SunSetting5},
}};

constexpr int kQuitElement = 20;

struct ConeRowLayout {
    ConeRow row;
    int top;
    Asset asset;
    int rankBase;  // element k has stack rank rankBase - k
};

constexpr std::array<ConeRowLayout, 3> kConeRowLayout{{
    {ConeRow::Green, 400, Asset::ConeGreen, 113},
    {ConeRow::Red, 432, Asset::ConeRed, 93},
    {ConeRow::LightBlue, 464, Asset::ConeLightBlue, 73},
}};

constexpr std::array<ControlLayout, kControlCount> buildLayout() {
    std::array<ControlLayout, kControlCount> all{};
    std::size_t next = 0;
    for (const ControlLayout& entry : kFixedControls) {
        all[next++] = entry;
    }
    for (int k = 1; k <= kRowLength; ++k) {
        const ProgressElement& e = kProgressRow[k - 1];
        all[next++] = k == kQuitElement
                          ? picture(progressImageNumber(k), e.stackRank, e.rect, e.asset,
                                    "È ORA DI TORNARE A CASA!")
                          : picture(progressImageNumber(k), e.stackRank, e.rect, e.asset);
    }
    for (const ConeRowLayout& row : kConeRowLayout) {
        for (int k = 1; k <= kRowLength; ++k) {
            all[next++] = picture(coneImageNumber(row.row, k), row.rankBase - k,
                                  {240 + 16 * (k - 1), row.top, 17, 33}, row.asset);
        }
    }
    if (next != all.size()) {
        throw std::logic_error("layout does not fill the window's 120 controls");
    }
    return all;
}

constexpr std::array<ControlLayout, kControlCount> kLayout = buildLayout();

constexpr std::array<int, kTextBoxCount> buildTabOrder() {
    std::array<const ControlLayout*, kTextBoxCount> boxes{};
    std::size_t next = 0;
    for (const ControlLayout& entry : kLayout) {
        if (entry.kind == ControlKind::TextBox) {
            boxes.at(next++) = &entry;
        }
    }
    std::sort(boxes.begin(), boxes.end(), [](const ControlLayout* a, const ControlLayout* b) {
        return a->tabIndex < b->tabIndex;
    });
    std::array<int, kTextBoxCount> numbers{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        numbers.at(i) = boxes.at(i)->number;
    }
    return numbers;
}

constexpr std::array<int, kTextBoxCount> kTabOrder = buildTabOrder();

}  // namespace

const std::array<ControlLayout, kControlCount>& layout() {
    return kLayout;
}

const std::array<int, kTextBoxCount>& tabOrder() {
    return kTabOrder;
}

std::string_view kindPrefix(ControlKind kind) {
    switch (kind) {
        case ControlKind::Picture:
            return "Image";
        case ControlKind::Label:
            return "Label";
        case ControlKind::TextBox:
            return "Text";
        case ControlKind::Line:
            return "Line";
        case ControlKind::Shape:
            return "Shape";
    }
    return {};
}

std::string controlName(ControlKind kind, int number) {
    return std::string(kindPrefix(kind)) + std::to_string(number);
}

double pointSize(FontSize size) {
    switch (size) {
        case FontSize::Small:
            return 14.25;
        case FontSize::Medium:
            return 24.0;
        case FontSize::Large:
            return 36.0;
        case FontSize::None:
            break;
    }
    return 0.0;
}

int pixelSize(FontSize size) {
    return static_cast<int>(pointSize(size) * 96.0 / 72.0 + 0.5);
}

Rgb rgb(Paint paint) {
    switch (paint) {
        case Paint::Blue:
            return {0, 0, 255};
        case Paint::Cyan:
            return {0, 255, 255};
        case Paint::Green:
            return {0, 255, 0};
        case Paint::Red:
            return {255, 0, 0};
        case Paint::White:
            return {255, 255, 255};
        case Paint::None:
        case Paint::Transparent:
        case Paint::SystemWindow:
            break;
    }
    throw std::invalid_argument("paint has no fixed colour");
}

}  // namespace brivolo
