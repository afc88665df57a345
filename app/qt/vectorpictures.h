// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <memory>
#include <string_view>

#include "app/assets.h"

class QSvgRenderer;

namespace brivolo {

// The sizes in which the window hands its icon to the window manager, as Qt does for an icon
// that has no sizes of its own.
inline constexpr std::array<int, 4> kProgramIconSides{16, 32, 64, 128};

// Draws the window's pictures from their SVG drawings, built into the program, at any pixel
// size. Each drawing (with its colour swaps) is parsed once and kept.
class VectorPictures {
public:
    VectorPictures();
    ~VectorPictures();
    VectorPictures(const VectorPictures&) = delete;
    VectorPictures& operator=(const VectorPictures&) = delete;

    // The picture stretched to `deviceSize`, premultiplied ARGB.
    QImage render(Asset asset, QSize deviceSize);
    // A drawing that is not one of the pictures (the cursor, the program icon).
    QImage renderDrawing(std::string_view drawing, QSize deviceSize);
    static QString resourcePath(std::string_view drawing);

private:
    QSvgRenderer& renderer(std::string_view drawing, const std::array<ColourSwap, 3>& swaps);

    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;
};

}  // namespace brivolo
