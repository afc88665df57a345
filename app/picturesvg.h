// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "assets.h"

namespace brivolo {

// The text of one SVG file of app/assets, by file name.
using DrawingSource = std::function<std::string_view(std::string_view file)>;

// One self-contained SVG document for a picture, made from its drawings as its table entry
// says: colours swapped, the overlay laid over the base, a cut keeping the top of the drawing
// down to its last drawn row. It has the picture's own size and stretches to any rectangle
// without keeping its proportions, as the window stretches its pictures. Browsers and Qt's
// SVG renderer (SVG Tiny 1.2 and little more) draw it alike, each onto a surface of its own.
std::string pictureSvg(const PictureDescription& picture, const DrawingSource& source);

}  // namespace brivolo
