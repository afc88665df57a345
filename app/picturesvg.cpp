// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "picturesvg.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace brivolo {

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.9g", value);
    return text.data();
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

// The area of the drawing's own coordinates that its root shows: its view box, or else its
// width and height from the origin.
std::array<double, 4> viewBox(std::string_view rootTag) {
    std::array<double, 4> box{};
    const std::string given(svgAttribute(rootTag, "viewBox"));
    if (!given.empty()) {
        const char* at = given.c_str();
        for (double& value : box) {
            char* end = nullptr;
            value = std::strtod(at, &end);
            at = end;
            while (*at == ',' || *at == ' ') {
                ++at;
            }
        }
        return box;
    }
    box[2] = std::atof(std::string(svgAttribute(rootTag, "width")).c_str());
    box[3] = std::atof(std::string(svgAttribute(rootTag, "height")).c_str());
    return box;
}

// A drawing as a group of the picture, drawn into the area from the origin to (width, height):
// its root <svg> becomes a <g> whose transform maps its view box there. The group keeps the
// root's other attributes; it has no viewport and so clips nothing, which QSvgRenderer (SVG
// Tiny 1.2) and browsers agree on, where they draw a nested <svg> differently.
std::string inlined(std::string_view drawing, double width, double height) {
    const auto [attributes, content] = splitSvg(drawing);
    std::string tag(attributes);
    const auto [x, y, boxWidth, boxHeight] = viewBox(tag);
    for (const std::string_view name :
         {"xmlns", "width", "height", "x", "y", "viewBox", "preserveAspectRatio"}) {
        dropAttribute(tag, name);
    }
    const double scaleX = boxWidth > 0 ? width / boxWidth : 1.0;
    const double scaleY = boxHeight > 0 ? height / boxHeight : 1.0;
    std::string transform;
    if (scaleX != 1.0 || scaleY != 1.0) {
        transform = "scale(" + number(scaleX) + ' ' + number(scaleY) + ")";
    }
    if (x != 0.0 || y != 0.0) {
        transform += (transform.empty() ? "" : " ") + std::string("translate(") + number(-x) + ' ' +
                     number(-y) + ")";
    }
    if (!transform.empty()) {
        tag += " transform=\"" + transform + "\"";
    }
    return "<g" + tag + ">" + std::string(content) + "</g>";
}

}  // namespace

SvgParts splitSvg(std::string_view svg) {
    const std::size_t root = svg.find("<svg");
    const std::size_t tagEnd = svg.find('>', root);
    const std::size_t close = svg.rfind("</svg>");
    if (root == std::string_view::npos || tagEnd == std::string_view::npos ||
        close == std::string_view::npos || close < tagEnd) {
        throw std::invalid_argument("not an SVG document");
    }
    return {svg.substr(root + 4, tagEnd - root - 4), svg.substr(tagEnd + 1, close - tagEnd - 1)};
}

std::string_view svgAttribute(std::string_view attributes, std::string_view name) {
    const std::string key = " " + std::string(name) + "=";
    const std::size_t at = attributes.find(key);
    const std::size_t from = at + key.size() + 1;
    if (at == std::string_view::npos || from > attributes.size()) {
        return {};
    }
    const char quote = attributes[from - 1];
    const std::size_t close = attributes.find(quote, from);
    if ((quote != '"' && quote != '\'') || close == std::string_view::npos) {
        return {};
    }
    return attributes.substr(from, close - from);
}

std::string pictureSvg(const PictureDescription& picture, const DrawingSource& source) {
    const std::string width = std::to_string(picture.width);
    const std::string height = std::to_string(picture.height);
    // A cut shows the drawing at its own proportions, so it runs past the picture's bottom.
    const int drawnHeight = picture.drawingHeight > 0 ? picture.drawingHeight : picture.height;

    std::string base(source(picture.drawing));
    for (const ColourSwap& swap : picture.swaps) {
        replaceAll(base, swap.from, swap.to);
    }
    std::string layers = inlined(base, picture.width, drawnHeight);
    if (!picture.overlay.empty()) {
        layers += inlined(source(picture.overlay), picture.width, drawnHeight);
    }

    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + ' ' + height + "\" preserveAspectRatio=\"none\">" +
           layers + "</svg>";
}

int keptRows(const PictureDescription& picture) {
    return picture.lastDrawnRow < 0 ? picture.height
                                    : std::min(picture.lastDrawnRow + 1, picture.height);
}

}  // namespace brivolo
