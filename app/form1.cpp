// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "form1.h"

#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "answers/answertext.h"
#include "answers/keyfilter.h"
#include "keystroke.h"

namespace brivolo {

Form1::Form1(RandomSource& random, WindowHost& host) : random_(random), host_(host) {
    // Each kind's vector is indexed by number - 1.
    auto place = [](auto& vector, int number, auto control) {
        if (static_cast<int>(vector.size()) < number) {
            vector.resize(number);
        }
        vector[number - 1] = std::move(control);
    };
    for (const ControlLayout& entry : layout()) {
        switch (entry.kind) {
            case ControlKind::Picture:
                place(images_, entry.number, std::make_unique<Picture>(entry));
                break;
            case ControlKind::Label:
                place(labels_, entry.number, std::make_unique<Label>(entry));
                break;
            case ControlKind::TextBox:
                place(textBoxes_, entry.number, std::make_unique<TextBox>(entry));
                break;
            case ControlKind::Line:
                place(lines_, entry.number, std::make_unique<Line>(entry));
                break;
            case ControlKind::Shape:
                place(shapes_, entry.number, std::make_unique<Shape>(entry));
                break;
        }
    }
    for (const ControlLayout& entry : layout()) {
        controls_.push_back(&control(entry.kind, entry.number));
    }
}

Control& Form1::control(ControlKind kind, int number) {
    return const_cast<Control&>(std::as_const(*this).control(kind, number));
}

const Control& Form1::control(ControlKind kind, int number) const {
    switch (kind) {
        case ControlKind::Picture:
            return image(number);
        case ControlKind::Label:
            return label(number);
        case ControlKind::TextBox:
            return textBox(number);
        case ControlKind::Line:
            return line(number);
        case ControlKind::Shape:
            return shape(number);
    }
    throw std::invalid_argument("unknown control kind");
}

void Form1::setObserver(ControlObserver* observer) {
    for (Control* c : controls_) {
        c->setObserver(observer);
    }
}

void Form1::showFish(Fish fish) {
    image(71).setVisible(fish == Fish::Happy);
    image(92).setVisible(fish == Fish::Waiting);
    image(93).setVisible(fish == Fish::Sad);
}

void Form1::showFace(Face face) {
    image(67).setVisible(face == Face::Neutral);
    image(68).setVisible(face == Face::Smiling);
    image(69).setVisible(face == Face::Sad);
}

void Form1::hideHappyAndSadFish() {
    image(71).setVisible(false);
    image(93).setVisible(false);
}

template <typename Handler>
void Form1::deliver(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ended_ = true;
        host_.endWithRunTimeError(std::string(kRunTimeError) + error.what());
    }
}

void Form1::load() {
    if (!loaded_) {
        loaded_ = true;
        deliver([this] { Form_Load(); });
    }
}

void Form1::click(const Picture& picture) {
    if (ended_ || !picture.visible() || !picture.enabled()) {
        return;
    }
    for (const PictureClick& handled : kPictureClicks) {
        if (handled.imageNumber == picture.number()) {
            deliver([this, &handled] { (this->*handled.handler)(); });
        }
    }
}

void Form1::keyPress(const TextBox& box, short& characterCode) {
    if (ended_ || !box.visible() || !box.enabled()) {
        return;
    }
    deliver([&] { keyPressHandler(box.number(), characterCode); });
}

void Form1::keyPressHandler(int boxNumber, short& characterCode) {
    switch (boxNumber) {
        case 1:
            Text1_KeyPress(characterCode);
            break;
        case 2:
            Text2_KeyPress(characterCode);
            break;
        case 3:
            Text3_KeyPress(characterCode);
            break;
        case 4:
            Text4_KeyPress(characterCode);
            break;
        default:
            break;
    }
}

void Form1::keyUp(const TextBox& box, int keyCode, int shift) {
    if (ended_ || !box.visible() || !box.enabled()) {
        return;
    }
    deliver([&] { keyUpHandler(box.number(), keyCode, shift); });
}

void Form1::keyUpHandler(int boxNumber, int keyCode, int shift) {
    switch (boxNumber) {
        case 1:
            Text1_KeyUp(keyCode, shift);
            break;
        case 2:
            Text2_KeyUp(keyCode, shift);
            break;
        case 3:
            Text3_KeyUp(keyCode, shift);
            break;
        case 4:
            Text4_KeyUp(keyCode, shift);
            break;
        default:
            break;
    }
}

void Form1::gotFocus(const TextBox& box) {
    if (ended_ || !box.visible() || !box.enabled()) {
        return;
    }
    if (box.number() == 4) {
        deliver([this] { Text4_GotFocus(); });
    }
}

namespace {

// UTF-16 units of the character at `at`: a surrogate pair is one character.
std::size_t unitsAt(std::u16string_view text, std::size_t at) {
    return isHighSurrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

short Form1::typeKey(TextBox& box, short characterCode, const TypeAtCaret& type) {
    if (ended_ || !box.visible() || !box.enabled()) {
        return 0;
    }
    keyPress(box, characterCode);
    if (characterCode != 0 && !ended_) {
        const auto typed = static_cast<char16_t>(characterCode);
        type(std::u16string_view(&typed, 1));
    }
    return characterCode;
}

// Every character KeyPress refuses leaves the text as it was, and KeyPress and KeyUp repeated on
// an unchanged text change nothing more: a run of refused characters is handled as its first.
// Digits typed after one another, with the caret after the last, can be typed together when no
// KeyUp in between could have judged: their KeyPress reads no text, and a KeyUp that does not
// judge only repeats what the first one did.
void Form1::enterText(TextBox& box, std::u16string_view text, bool keyHeld,
                      const TypeAtCaret& type) {
    bool afterRefused = false;
    bool caretAfterTyped = false;  // no selection: the caret follows what this call typed
    std::u16string typed;
    std::size_t at = 0;
    while (at < text.size() && !ended_ && box.visible() && box.enabled()) {
        const auto code = static_cast<short>(text[at]);
        short lastCode = code;
        if (!passesAnswerFilter(code)) {
            const bool repeat = afterRefused;
            afterRefused = true;
            at += unitsAt(text, at);
            if (repeat) {
                continue;
            }
            typeKey(box, code, type);
        } else if (code == kBackspace || !caretAfterTyped) {
            afterRefused = false;
            typeKey(box, code, type);
            caretAfterTyped = true;
            ++at;
        } else {
            afterRefused = false;
            // Up to the length that is judged, if the text is still short of it; a KeyUp always
            // follows the last one typed.
            std::size_t room = std::u16string_view::npos;
            if (!keyHeld) {
                const std::size_t length = characterCount(box.text());
                if (const std::optional<std::size_t> judged = judgedLength(box);
                    judged && length < *judged) {
                    room = *judged - length;
                }
            }
            typed.clear();
            while (at < text.size() && typed.size() < room && text[at] != kBackspace &&
                   passesAnswerFilter(static_cast<short>(text[at]))) {
                short passed = static_cast<short>(text[at]);
                keyPress(box, passed);
                if (passed == 0 || ended_) {
                    afterRefused = true;
                    ++at;
                    break;
                }
                lastCode = passed;
                typed += static_cast<char16_t>(passed);
                ++at;
            }
            if (!typed.empty() && !ended_) {
                type(typed);
            }
        }
        if (!keyHeld) {
            keyUp(box, keyCodeOf(lastCode), 0);
            if (!ended_ && judges(box)) {
                return;
            }
        }
    }
}

namespace {

// The first control of `order` after `from` (before it when `backwards`) that is visible and
// enabled, wrapping round; from just before the first (after the last) when `from` is not in
// `order`.
Control* nextEnabled(std::span<Control* const> order, const Control* from, bool backwards) {
    std::size_t start = backwards ? 0 : order.size() - 1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == from) {
            start = i;
        }
    }
    for (std::size_t step = 1; step <= order.size(); ++step) {
        const std::size_t offset = backwards ? order.size() - step : step;
        Control* next = order[(start + offset) % order.size()];
        if (next->visible() && next->enabled()) {
            return next;
        }
    }
    return nullptr;
}

}  // namespace

std::array<Control*, Form1::kFocusStops> Form1::focusOrder() const {
    std::array<Control*, kFocusStops> order{};
    std::size_t count = 0;
    for (const int number : tabOrder()) {
        order.at(count++) = textBoxes_.at(number - 1).get();
    }
    for (const PictureClick& picture : kPictureClicks) {
        order.at(count++) = images_.at(picture.imageNumber - 1).get();
    }
    return order;
}

TextBox* Form1::nextTabStop(const Control* from) {
    const std::array<Control*, kFocusStops> order = focusOrder();
    // The boxes come first, in tab order.
    return static_cast<TextBox*>(
        nextEnabled(std::span(order).first(kTextBoxCount), from, /*backwards=*/false));
}

Control* Form1::nextFocus(const Control* from, bool backwards) {
    return nextEnabled(focusOrder(), from, backwards);
}

}  // namespace brivolo
