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
// says: colours swapped, the overlay laid over the base, the drawing kept at its own
// proportions when the picture is a cut of it. It has the picture's own size and stretches to
// any rectangle without keeping its proportions, as the window stretches its pictures. Browsers
// and Qt's SVG renderer (SVG Tiny 1.2 and little more) draw it alike. A cut that ends above
// the picture's bottom is not in the document: the front end clips to keptRows().
std::string pictureSvg(const PictureDescription& picture, const DrawingSource& source);

// How many rows of the picture, from its top, show its drawing; the rows below stay clear.
// The picture's height unless it is cut above its bottom.
int keptRows(const PictureDescription& picture);

}  // namespace brivolo
