// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/picturesvg.h"

namespace brivolo {

class Control;
class Form1;

// The vertical metrics of the built-in face that its lines are set by, in ems.
struct FaceMetrics {
    double ascent = 0;
    double descent = 0;
    double lineGap = 0;
};

// The page's HTML for the window as it stands (written at build time, after Load), so that
// the browser shows it before the program has started. Every fact comes from the layout, the
// picture table and the window's controls.
//
// The pictures on show are drawn inline, in the page itself, which paints them with the rest
// and at any scale. A picture not on show yet is an empty element: the page adds its drawing,
// a reference to a drawing shared by the pictures alike, once the program runs (pictures()),
// before the program can show it.
class PageMarkup {
public:
    PageMarkup(const Form1& form, DrawingSource drawings, FaceMetrics face);

    // The caption as a document title: runs of blanks kept with no-break spaces.
    std::string title() const;
    // The caption as text, for the heading and the stage's accessible name.
    std::string caption() const;
    // The hand cursor, as a CSS cursor value.
    std::string handCursor() const;
    // The stage's colour, the window's background, as a CSS colour.
    static std::string background();
    // The stage's own attributes: its size, colour and name.
    std::string stageAttributes() const;
    // The window's background picture, then one element per control, in layout order.
    std::string stage() const;
    // The notes that describe the controls whose spoken text follows the game.
    std::string descriptions() const;
    // An <svg> holding one <symbol> per picture of a control hidden at start-up, then the
    // drawing of each such control, a reference to its symbol, in a <template> that names the
    // control it belongs in (data-drawing-of).
    std::string pictures() const;

private:
    // The element of the control at `place` in the layout, which it names.
    std::string element(const Control& control, std::size_t place) const;
    std::string picture(const Control& control, const PictureDescription& picture) const;
    bool hiddenAtStart(const PictureDescription& picture) const;

    const Form1& form_;
    DrawingSource drawings_;
    FaceMetrics face_;
};

// Text for HTML, in a quoted attribute or between tags.
std::string escapeHtml(std::string_view text, bool inAttribute);
// An SVG document as a data: URL, percent-encoding only what a URL in a quoted attribute needs.
std::string svgDataUrl(std::string_view svg);
// An SVG document as an element of the page: its root becomes `root` (svg or symbol) with the
// given attributes, sized by the page, and its ids and their references take `prefix`, so
// that they are unique in the page.
std::string inlineSvg(std::string_view svg, std::string_view root, std::string_view attributes,
                      std::string_view prefix);

}  // namespace brivolo
