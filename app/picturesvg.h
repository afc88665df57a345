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

// An SVG document taken apart at its root <svg>: the root's attributes as written, and what lies
// between its tags. Both rewritings of documents (a drawing as a group of a picture, a picture as
// an element of the page) go through it. Throws std::invalid_argument for text that is no SVG
// document.
struct SvgParts {
    std::string_view rootAttributes;
    std::string_view content;
};
SvgParts splitSvg(std::string_view svg);
// The value of one attribute (` name="..."` or ` name='...'`) of an element's attributes; empty
// when absent.
std::string_view svgAttribute(std::string_view attributes, std::string_view name);

// How many rows of the picture, from its top, show its drawing; the rows below stay clear.
// The picture's height unless it is cut above its bottom.
int keptRows(const PictureDescription& picture);

}  // namespace brivolo
