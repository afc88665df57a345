// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "form1.h"

#include <stdexcept>
#include <utility>

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

TextBox* Form1::nextTabStop(const TextBox* from) {
    const std::array<int, kTextBoxCount>& order = tabOrder();
    std::size_t start = order.size() - 1;  // so that the first step lands on the first box
    if (from != nullptr) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (order[i] == from->number()) {
                start = i;
            }
        }
    }
    for (std::size_t step = 1; step <= order.size(); ++step) {
        TextBox& box = textBox(order[(start + step) % order.size()]);
        if (box.visible() && box.enabled()) {
            return &box;
        }
    }
    return nullptr;
}

}  // namespace brivolo
