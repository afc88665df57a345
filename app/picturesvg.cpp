// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "picturesvg.h"

#include <array>

namespace brivolo {

namespace {

// The id of the cut's clip path; the drawings use no id of this form.
constexpr std::string_view kCutId = "brivolo-cut";

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// Drops one attribute (` name="..."`) from an element's opening tag.
void dropAttribute(std::string& tag, std::string_view name) {
    const std::string key = " " + std::string(name) + "=\"";
    const std::size_t at = tag.find(key);
    if (at == std::string::npos) {
        return;
    }
    const std::size_t close = tag.find('"', at + key.size());
    if (close != std::string::npos) {
        tag.erase(at, close + 1 - at);
    }
}

// A drawing as an element nested in the picture: from its root <svg> on, its own size and
// proportions replaced by the area it is drawn into.
std::string nested(std::string_view drawing, int width, int height) {
    const std::size_t root = drawing.find("<svg");
    if (root == std::string_view::npos) {
        return {};
    }
    const std::size_t tagEnd = drawing.find('>', root);
    if (tagEnd == std::string_view::npos) {
        return {};
    }
    std::string tag(drawing.substr(root, tagEnd - root));
    for (const std::string_view name : {"width", "height", "x", "y", "preserveAspectRatio"}) {
        dropAttribute(tag, name);
    }
    tag += " width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
           "\" preserveAspectRatio=\"none\"";
    return tag + std::string(drawing.substr(tagEnd));
}

}  // namespace

std::string pictureSvg(const PictureDescription& picture, const DrawingSource& source) {
    const std::string width = std::to_string(picture.width);
    const std::string height = std::to_string(picture.height);
    // A cut shows the drawing at its own proportions, so it runs past the picture's bottom.
    const int drawnHeight = picture.drawingHeight > 0 ? picture.drawingHeight : picture.height;

    std::string base(source(picture.drawing));
    for (const ColourSwap& swap : picture.swaps) {
        replaceAll(base, swap.from, swap.to);
    }
    std::string layers = nested(base, picture.width, drawnHeight);
    if (!picture.overlay.empty()) {
        layers += nested(source(picture.overlay), picture.width, drawnHeight);
    }

    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width +
                      "\" height=\"" + height + "\" viewBox=\"0 0 " + width + ' ' + height +
                      "\" preserveAspectRatio=\"none\">";
    if (picture.lastDrawnRow >= 0) {
        svg += "<clipPath id=\"" + std::string(kCutId) + "\"><rect width=\"" + width +
               "\" height=\"" + std::to_string(picture.lastDrawnRow + 1) + "\"/></clipPath>";
        svg += "<g clip-path=\"url(#" + std::string(kCutId) + ")\">" + layers + "</g>";
    } else {
        svg += layers;
    }
    return svg + "</svg>";
}

}  // namespace brivolo
