// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "pagemarkup.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <utility>

#include "app/form1.h"
#include "app/spokentext.h"
#include "elementstate.h"

namespace brivolo {

namespace {

std::string cssColour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
    return text;
}

std::string cssColour(Paint paint) {
    switch (paint) {
        case Paint::None:
        case Paint::Transparent:
            return "transparent";
        case Paint::SystemWindow:
            return "Field";
        default:
            break;
    }
    return cssColour(rgb(paint));
}

// A picture hidden at start-up: the page adds its drawing with pictures(), after the first frame.
bool drawnLater(const Control& control) {
    return control.kind() == ControlKind::Picture && !control.visible();
}

std::string px(int value) {
    return std::to_string(value) + "px";
}

std::string attribute(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + escapeHtml(value, true) + '"';
}

// Lower stack rank in front.
int zIndex(const ControlLayout& entry) {
    return kControlCount + 1 - entry.stackRank;
}

std::string placement(const ControlLayout& entry) {
    const Rect area = drawnArea(entry);
    return "left:" + px(area.left) + ";top:" + px(area.top) + ";width:" + px(area.width) +
           ";height:" + px(area.height) + ";z-index:" + std::to_string(zIndex(entry));
}

std::string field(const ElementState& state, ElementField which) {
    return state[static_cast<std::size_t>(which)].value_or("");
}

// The attributes that the program changes, as they stand.
std::string stateAttributes(const ElementState& state) {
    std::string attributes;
    for (std::size_t i = 0; i < state.size(); ++i) {
        const auto which = static_cast<ElementField>(i);
        if (state[i] && which != ElementField::Text && which != ElementField::Description) {
            attributes += attribute(kElementFieldNames[i], *state[i]);
        }
    }
    return attributes;
}

// A line or a rounded outline, hollow, drawn with the window's pen.
std::string strokeSvg(const ControlLayout& entry) {
    const Rect area = drawnArea(entry);
    std::string svg = "<svg width=\"" + std::to_string(area.width) + "\" height=\"" +
                      std::to_string(area.height) + "\" fill=\"none\" stroke=\"" +
                      cssColour(entry.fore) + "\" stroke-width=\"" + std::to_string(kStrokeWidth) +
                      "\" stroke-linecap=\"round\">";
    if (entry.kind == ControlKind::Line) {
        char line[120];
        std::snprintf(line, sizeof line, "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"/>",
                      entry.from.x - area.left, entry.from.y - area.top, entry.to.x - area.left,
                      entry.to.y - area.top);
        svg += line;
    } else {
        const double inset = kStrokeWidth / 2.0;
        char rect[160];
        std::snprintf(rect, sizeof rect,
                      "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%d\"/>", inset,
                      inset, area.width - 2 * inset, area.height - 2 * inset, kCornerRadius);
        svg += rect;
    }
    return svg + "</svg>";
}

// The caption's words with their runs of blanks kept: a blank after a blank is a no-break space.
std::string keepBlanks(std::string_view text) {
    std::string kept;
    char previous = '\0';
    for (const char c : text) {
        kept += c == ' ' && previous == ' ' ? "\u00a0" : std::string(1, c);
        previous = c;
    }
    return kept;
}

}  // namespace

std::string escapeHtml(std::string_view text, bool inAttribute) {
    std::string escaped;
    for (const char c : text) {
        if (c == '&') {
            escaped += "&amp;";
        } else if (c == '"' && inAttribute) {
            escaped += "&quot;";
        } else if (c == '<' && !inAttribute) {
            escaped += "&lt;";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string svgDataUrl(std::string_view svg) {
    // Attributes quoted with apostrophes need no escaping inside the page's quoted attributes;
    // a percent sign, a hash and an ampersand would mean something else in a URL or in HTML.
    const bool requote = svg.find('\'') == std::string_view::npos;
    std::string url = "data:image/svg+xml,";
    for (const char c : svg) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' && requote) {
            url += '\'';
        } else if (byte < 0x20 || byte >= 0x7f || c == '%' || c == '#' || c == '"' || c == '&') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            url += escaped;
        } else {
            url += c;
        }
    }
    return url;
}

std::string inlineSvg(std::string_view svg, std::string_view root, std::string_view attributes,
                      std::string_view prefix) {
    const auto [rootAttributes, body] = splitSvg(svg);
    // The root keeps what maps its drawing (viewBox, preserveAspectRatio), not its own size.
    std::string element = "<" + std::string(root);
    for (const std::string_view name : {"viewBox", "preserveAspectRatio"}) {
        const std::string_view value = svgAttribute(rootAttributes, name);
        if (!value.empty()) {
            element += " " + std::string(name) + "=\"" + std::string(value) + '"';
        }
    }
    element += std::string(attributes) + ">";
    // Ids and the references to them: id="x", url(#x), href="#x".
    for (std::size_t at = 0; at < body.size();) {
        std::size_t next = std::string_view::npos;
        std::size_t insertAt = 0;
        for (const std::string_view mark : {"id=\"", "id='", "url(#", "href=\"#", "href='#"}) {
            const std::size_t found = body.find(mark, at);
            if (found < next && (mark.front() != 'i' || (found > 0 && body[found - 1] == ' '))) {
                next = found;
                insertAt = found + mark.size();
            }
        }
        if (next == std::string_view::npos) {
            element += body.substr(at);
            break;
        }
        element += body.substr(at, insertAt - at);
        element += std::string(prefix) + "-";
        at = insertAt;
    }
    return element + "</" + std::string(root) + ">";
}

PageMarkup::PageMarkup(const Form1& form, DrawingSource drawings, FaceMetrics face)
    : form_(form), drawings_(std::move(drawings)), face_(face) {}

std::string PageMarkup::title() const {
    return escapeHtml(keepBlanks(kCaption), false);
}

std::string PageMarkup::caption() const {
    return escapeHtml(kCaption, false);
}

bool PageMarkup::hiddenAtStart(const PictureDescription& picture) const {
    for (const Control* control : form_.controls()) {
        if (drawnLater(*control) && control->layout().asset == picture.asset) {
            return true;
        }
    }
    return false;
}

std::string PageMarkup::background() {
    return cssColour(kWindowBackground);
}

std::string PageMarkup::stageAttributes() const {
    return attribute("aria-label", kCaption) +
           attribute("style", "width:" + px(kClientWidth) + ";height:" + px(kClientHeight) +
                                  ";background-color:" + background());
}

std::string PageMarkup::stage() const {
    const PictureDescription& background = pictureDescription(Asset::BeachBackground);
    // Drawn at its own size from the window's origin: the stage crops it, nothing scales it.
    std::string markup =
        "<div class=\"background\"" +
        attribute("style", "width:" + px(background.width) + ";height:" + px(background.height)) +
        ">" + inlineSvg(pictureSvg(background, drawings_), "svg", {}, background.name) + "</div>\n";
    // The controls that take the focus come last, in the order Tab visits them, so that the
    // document's order is the window's tab order; the layout's stack ranks paint them.
    const std::vector<Control*>& controls = form_.controls();
    const auto focusOrder = form_.focusOrder();
    const auto place = [&](const Control* control) {
        return static_cast<std::size_t>(std::find(controls.begin(), controls.end(), control) -
                                        controls.begin());
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (std::find(focusOrder.begin(), focusOrder.end(), controls[i]) == focusOrder.end()) {
            markup += element(*controls[i], i) + '\n';
        }
    }
    for (const Control* control : focusOrder) {
        markup += element(*control, place(control)) + '\n';
    }
    return markup;
}

std::string PageMarkup::element(const Control& control, std::size_t place) const {
    const ControlLayout& entry = control.layout();
    const ElementState state = elementState(form_, control);
    std::string tag =
        attribute("id", control.name()) + attribute("data-control", std::to_string(place));
    if (spokenTextChanges(control)) {
        tag += attribute("aria-describedby", descriptionId(control));
    }
    tag += stateAttributes(state);
    std::string style = placement(entry);
    if (entry.font != FontSize::None) {
        const int size = pixelSize(entry.font);
        // The first baseline lies where the window's texts have it, one line below the other.
        const int baselineCorrection = static_cast<int>(std::lround(size * kFontAscent)) -
                                       static_cast<int>(std::lround(size * face_.ascent));
        char text[160];
        std::snprintf(text, sizeof text, ";font-size:%dpx;line-height:%gpx;padding-top:%dpx", size,
                      size * (face_.ascent + face_.descent + face_.lineGap),
                      entry.kind == ControlKind::Label ? std::max(0, baselineCorrection) : 0);
        style += text;
        style += ";color:" + cssColour(entry.fore) + ";background:" + cssColour(entry.back);
    }
    switch (entry.kind) {
        case ControlKind::Picture: {
            std::string classes = "picture";
            if (entry.cursor == Cursor::Hand) {
                classes += " hand";
            }
            const bool acts = Form1::hasClickHandler(entry.number);
            tag += attribute("class", classes) + attribute("role", acts ? "button" : "img") +
                   attribute("aria-label", fixedName(control));
            if (acts) {
                tag += attribute("tabindex", "0");
            }
            if (!entry.tooltip.empty()) {
                tag += attribute("title", entry.tooltip);
            }
            const PictureDescription& shown = pictureDescription(entry.asset);
            if (const int kept = keptRows(shown); kept < shown.height) {
                char clip[48];
                std::snprintf(clip, sizeof clip, ";clip-path:inset(0 0 %.4f%% 0)",
                              100.0 * (shown.height - kept) / shown.height);
                style += clip;
            }
            return "<div" + tag + attribute("style", style) + ">" + picture(control, shown) +
                   "</div>";
        }
        case ControlKind::Label:
            return "<div class=\"label\"" + tag + attribute("style", style) + ">" +
                   escapeHtml(field(state, ElementField::Text), false) + "</div>";
        case ControlKind::TextBox:
            return "<input type=\"text\" inputmode=\"numeric\" autocomplete=\"off\" "
                   "spellcheck=\"false\" autocorrect=\"off\" autocapitalize=\"off\"" +
                   tag + attribute("value", field(state, ElementField::Text)) +
                   attribute("style", style + ";-webkit-text-fill-color:" + cssColour(entry.fore)) +
                   ">";
        case ControlKind::Line:
        case ControlKind::Shape:
            if (!spokenTextChanges(control)) {
                tag += attribute("aria-label", fixedName(control));
            }
            return "<div class=\"stroke\" role=\"img\"" + tag + attribute("style", style) + ">" +
                   strokeSvg(entry) + "</div>";
    }
    return {};
}

std::string PageMarkup::descriptions() const {
    std::string notes;
    for (const Control* control : form_.controls()) {
        if (spokenTextChanges(*control)) {
            notes +=
                "<span" + attribute("id", descriptionId(*control)) + ">" +
                escapeHtml(field(elementState(form_, *control), ElementField::Description), false) +
                "</span>";
        }
    }
    return notes;
}

std::string PageMarkup::picture(const Control& control, const PictureDescription& picture) const {
    if (!drawnLater(control)) {
        return inlineSvg(pictureSvg(picture, drawings_), "svg", " aria-hidden=\"true\"",
                         control.name());
    }
    return {};
}

std::string PageMarkup::pictures() const {
    std::string markup = "<svg class=\"pictures\" aria-hidden=\"true\">";
    for (const PictureDescription& picture : kAssets) {
        if (hiddenAtStart(picture)) {
            markup += inlineSvg(pictureSvg(picture, drawings_), "symbol",
                                attribute("id", picture.name), picture.name);
        }
    }
    markup += "</svg>";
    for (const Control* control : form_.controls()) {
        if (drawnLater(*control)) {
            markup += "<template" + attribute("data-drawing-of", control->name()) +
                      "><svg aria-hidden=\"true\"><use href=\"#" +
                      std::string(pictureDescription(control->layout().asset).name) +
                      "\" width=\"100%\" height=\"100%\"/></svg></template>";
        }
    }
    return markup;
}

std::string PageMarkup::handCursor() const {
    return "url(\"" + svgDataUrl(drawings_(kHandPointer.drawing)) + "\") " +
           std::to_string(kHandPointer.hotspotX) + ' ' + std::to_string(kHandPointer.hotspotY) +
           ", pointer";
}

}  // namespace brivolo
