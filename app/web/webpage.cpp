// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "webpage.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>

#include "app/form1.h"
#include "app/picturesvg.h"
#include "app/spokentext.h"
#include "app/stacking.h"
#include "drawings.h"

// The page's side of each call is in page.js; strings travel as NUL-terminated UTF-8.
// clang-format off
EM_JS(void, pageStage, (const char* caption, int width, int height, const char* background,
                        const char* backgroundPicture, int pictureWidth, int pictureHeight,
                        const char* handCursor, int hotspotX, int hotspotY, double ascent), {
    Page.stage(utf8(caption), width, height, utf8(background), utf8(backgroundPicture),
               pictureWidth, pictureHeight, utf8(handCursor), hotspotX, hotspotY, ascent);
});
EM_JS(void, pagePicture, (int index, const char* name, int z, int left, int top, int width,
                          int height, int asset, const char* svg, const char* tooltip,
                          const char* spoken, int button, int hand), {
    Page.picture(index, utf8(name), z, [left, top, width, height], asset, utf8(svg),
                 utf8(tooltip), utf8(spoken), button, hand);
});
EM_JS(void, pageLabel, (int index, const char* name, int z, int left, int top, int width,
                        int height, const char* caption, int fontPixels, const char* fore,
                        const char* back), {
    Page.label(index, utf8(name), z, [left, top, width, height], utf8(caption), fontPixels,
               utf8(fore), utf8(back));
});
EM_JS(void, pageTextBox, (int index, const char* name, int z, int left, int top, int width,
                          int height, int fontPixels, const char* fore, const char* back,
                          int tabIndex, const char* spoken), {
    Page.textBox(index, utf8(name), z, [left, top, width, height], fontPixels, utf8(fore),
                 utf8(back), tabIndex, utf8(spoken));
});
EM_JS(void, pageStroke, (int index, const char* name, int z, int left, int top, int width,
                         int height, const char* svg, const char* spoken), {
    Page.stroke(index, utf8(name), z, [left, top, width, height], utf8(svg), utf8(spoken));
});
EM_JS(void, pageVisible, (int index, int visible), { Page.visible(index, visible); });
EM_JS(void, pageEnabled, (int index, int enabled), { Page.enabled(index, enabled); });
EM_JS(void, pageText, (int index, const char* text), { Page.text(index, utf8(text)); });
EM_JS(void, pageSpoken, (int index, const char* name, const char* description), {
    Page.spoken(index, utf8(name), utf8(description));
});
EM_JS(void, pageBehind, (int index, int behind), { Page.behind(index, behind); });
EM_JS(void, pageQueueTab, (), { Page.queueTab(); });
EM_JS(void, pageEnd, (const char* message), { Page.end(utf8(message)); });
EM_JS(void, pageReady, (), { Page.ready(); });
// clang-format on

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

std::string svgNumber(int value) {
    return std::to_string(value);
}

// Lines get a margin so that their pen is not cut at the ends.
constexpr int kLineMargin = kStrokeWidth;

Rect strokeArea(const ControlLayout& entry) {
    const Rect& r = entry.rect;
    if (entry.kind == ControlKind::Line) {
        return {r.left - kLineMargin, r.top - kLineMargin, r.width + 2 * kLineMargin,
                r.height + 2 * kLineMargin};
    }
    return r;
}

// A line or a rounded outline, hollow, drawn with the window's pen.
std::string strokeSvg(const ControlLayout& entry) {
    const Rect area = strokeArea(entry);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + svgNumber(area.width) +
                      "\" height=\"" + svgNumber(area.height) + "\" fill=\"none\" stroke=\"" +
                      cssColour(entry.fore) + "\" stroke-width=\"" + svgNumber(kStrokeWidth) +
                      "\" stroke-linecap=\"round\">";
    if (entry.kind == ControlKind::Line) {
        svg += "<line x1=\"" + svgNumber(entry.from.x - area.left) + "\" y1=\"" +
               svgNumber(entry.from.y - area.top) + "\" x2=\"" + svgNumber(entry.to.x - area.left) +
               "\" y2=\"" + svgNumber(entry.to.y - area.top) + "\"/>";
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

int zIndex(const ControlLayout& entry) {
    return kControlCount + 1 - entry.stackRank;  // lower rank in front
}

}  // namespace

WebPage::~WebPage() {
    if (form_ != nullptr) {
        form_->setObserver(nullptr);
    }
}

void WebPage::attach(Form1& form) {
    form_ = &form;
    controls_ = form.controls();
    spokenNames_.assign(controls_.size(), {});
    spokenDescriptions_.assign(controls_.size(), {});
    behind_.assign(controls_.size(), false);

    const PictureDescription& background = pictureDescription(Asset::BeachBackground);
    const std::string backgroundSvg = pictureSvg(background, drawingText);
    pageStage(std::string(kCaption).c_str(), kClientWidth, kClientHeight,
              cssColour(kWindowBackground).c_str(), backgroundSvg.c_str(), background.width,
              background.height, std::string(drawingText(kHandPointer.drawing)).c_str(),
              kHandPointer.hotspotX, kHandPointer.hotspotY, kFontAscent);

    for (std::size_t i = 0; i < controls_.size(); ++i) {
        createElement(static_cast<int>(i), *controls_[i]);
    }
    form.setObserver(this);
    updateSpokenTexts();
}

void WebPage::createElement(int index, const Control& control) {
    const ControlLayout& entry = control.layout();
    const std::string name = control.name();
    const int z = zIndex(entry);
    const Rect& r = entry.rect;
    switch (entry.kind) {
        case ControlKind::Picture: {
            // Pictures of one asset share its document; the page keeps it by asset.
            const auto asset = static_cast<std::size_t>(entry.asset);
            std::string svg;
            if (!assetSent_.at(asset)) {
                assetSent_[asset] = true;
                svg = pictureSvg(pictureDescription(entry.asset), drawingText);
            }
            pagePicture(index, name.c_str(), z, r.left, r.top, r.width, r.height,
                        static_cast<int>(asset), svg.c_str(), std::string(entry.tooltip).c_str(),
                        fixedName(control).c_str(), Form1::hasClickHandler(entry.number),
                        entry.cursor == Cursor::Hand);
            break;
        }
        case ControlKind::Label:
            pageLabel(index, name.c_str(), z, r.left, r.top, r.width, r.height,
                      static_cast<const Label&>(control).caption().c_str(), pixelSize(entry.font),
                      cssColour(entry.fore).c_str(), cssColour(entry.back).c_str());
            break;
        case ControlKind::TextBox:
            pageTextBox(index, name.c_str(), z, r.left, r.top, r.width, r.height,
                        pixelSize(entry.font), cssColour(entry.fore).c_str(),
                        cssColour(entry.back).c_str(), entry.tabIndex, fixedName(control).c_str());
            break;
        case ControlKind::Line:
        case ControlKind::Shape: {
            const Rect area = strokeArea(entry);
            pageStroke(index, name.c_str(), z, area.left, area.top, area.width, area.height,
                       strokeSvg(entry).c_str(), fixedName(control).c_str());
            break;
        }
    }
    pageVisible(index, control.visible());
    pageEnabled(index, control.enabled());
}

void WebPage::propertyChanged(const Control& control, Property property) {
    const auto found = std::find(controls_.begin(), controls_.end(), &control);
    if (found == controls_.end()) {
        return;
    }
    const int index = static_cast<int>(found - controls_.begin());
    switch (property) {
        case Property::Visible:
            pageVisible(index, control.visible());
            break;
        case Property::Enabled:
            pageEnabled(index, control.enabled());
            break;
        case Property::Caption:
            pageText(index, static_cast<const Label&>(control).caption().c_str());
            break;
        case Property::Text:
            pageText(index, static_cast<const TextBox&>(control).text().c_str());
            break;
    }
}

void WebPage::updateSpokenTexts() {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Control& control = *controls_[i];
        if (control.kind() == ControlKind::Picture) {
            // Of pictures stacked at one place, a screen reader hears only the one in front.
            const auto& picture = static_cast<const Picture&>(control);
            const bool behind = picture.visible() && pictureInFront(*form_, picture) != &picture;
            if (behind != static_cast<bool>(behind_[i])) {
                pageBehind(static_cast<int>(i), behind ? 1 : 0);
                behind_[i] = behind;
            }
        }
        if (!followsGame(control)) {
            continue;
        }
        SpokenText spoken = spokenText(*form_, control);
        if (spoken.name != spokenNames_[i] || spoken.description != spokenDescriptions_[i]) {
            pageSpoken(static_cast<int>(i), spoken.name.c_str(), spoken.description.c_str());
            spokenNames_[i] = std::move(spoken.name);
            spokenDescriptions_[i] = std::move(spoken.description);
        }
    }
}

void WebPage::queueTab() {
    pageQueueTab();
}

void WebPage::endProgram() {
    pageEnd(std::string(kProgramEnded).c_str());
}

void WebPage::endWithRunTimeError(const std::string& message) {
    pageEnd(message.c_str());
}

void WebPage::show() {
    pageReady();
}

void WebPage::click(int index) {
    if (controls_.at(index)->kind() == ControlKind::Picture) {
        form_->click(static_cast<const Picture&>(*controls_[index]));
        updateSpokenTexts();
    }
}

short WebPage::keyPress(int index, short characterCode) {
    if (controls_.at(index)->kind() == ControlKind::TextBox) {
        form_->keyPress(static_cast<const TextBox&>(*controls_[index]), characterCode);
        updateSpokenTexts();
    }
    return characterCode;
}

void WebPage::textEdited(int index, std::string text) {
    if (controls_.at(index)->kind() == ControlKind::TextBox) {
        static_cast<TextBox&>(*controls_[index]).takeEditedText(std::move(text));
    }
}

void WebPage::keyUp(int index, int keyCode, int shift) {
    if (controls_.at(index)->kind() == ControlKind::TextBox) {
        form_->keyUp(static_cast<const TextBox&>(*controls_[index]), keyCode, shift);
        updateSpokenTexts();
    }
}

void WebPage::gotFocus(int index) {
    if (controls_.at(index)->kind() == ControlKind::TextBox) {
        form_->gotFocus(static_cast<const TextBox&>(*controls_[index]));
        updateSpokenTexts();
    }
}

}  // namespace brivolo
