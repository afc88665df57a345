// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "fakes.h"

#include <cmath>
#include <string>

#include "answers/keyfilter.h"

namespace brivolo::test {

double ScriptedRandom::next() {
    ++taken;
    if (!queue_.empty()) {
        const double r = queue_.front();
        queue_.pop_front();
        return r;
    }
    return unitInterval(engine_());
}

void FocusKeeper::propertyChanged(const Control& control, Property property) {
    if ((property == Property::Visible && !control.visible()) ||
        (property == Property::Enabled && !control.enabled())) {
        lost_(control);
    }
}

Harness::Harness(std::uint64_t seed)
    : random(seed), keeper_([this](const Control& c) {
          if (focus == &c) {
              moveFocusToNext();
          }
      }) {
    form.setObserver(&keeper_);
    form.load();
    // The window opens with the focus in the first text box that can take it, by window
    // activation: no GotFocus.
    focus = form.nextTabStop(nullptr);
}

void Harness::giveFocus(TextBox* box) {
    focus = box;
    if (box != nullptr) {
        form.gotFocus(*box);
    }
}

void Harness::moveFocusToNext() {
    TextBox* next = form.nextTabStop(focus);
    if (next != nullptr && next != focus) {
        giveFocus(next);
        return;
    }
    if (focus != nullptr && !(focus->visible() && focus->enabled())) {
        focus = nullptr;
    }
}

void Harness::pressTab() {
    moveFocusToNext();
    if (focus != nullptr) {
        form.keyUp(*focus, 9, 0);
    }
}

void Harness::click(int imageNumber) {
    const int before = host.tabsQueued;
    form.click(form.image(imageNumber));
    for (int i = before; i < host.tabsQueued; ++i) {
        pressTab();
    }
}

void Harness::clickAbacus() {
    click(3);
}

void Harness::focusBox(int textNumber) {
    TextBox& box = form.textBox(textNumber);
    if (box.visible() && box.enabled() && focus != &box) {
        giveFocus(&box);
    }
}

void Harness::type(short characterCode) {
    if (focus == nullptr) {
        return;
    }
    TextBox& box = *focus;
    short code = characterCode;
    form.keyPress(box, code);
    if (code == kBackspace) {
        std::string text = box.text();
        if (!text.empty()) {
            text.pop_back();
        }
        box.takeEditedText(text);
    } else if (code > 0 && code < 128) {
        box.takeEditedText(box.text() + static_cast<char>(code));
    }
    if (focus != nullptr) {
        form.keyUp(*focus, characterCode, 0);
    }
}

void Harness::typeText(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        type(static_cast<short>(*c));
    }
}

void Harness::keyWithoutCharacter() {
    if (focus != nullptr) {
        form.keyUp(*focus, 16, 0);
    }
}

const Variant& expectedAnswer(const GameState& state) {
    return state.caso == 1 ? state.somma[state.add] : state.differenza[state.sott];
}

int Harness::expectedResult() const {
    return static_cast<int>(expectedAnswer(form.state()).number());
}

void Harness::answer(bool right) {
    const int result = expectedResult();
    int typed = result;
    if (!right) {
        typed = result < 10 ? (result + 1) % 10 : (result == 19 ? 10 : result + 1);
    }
    typeText(std::to_string(typed).c_str());
}

void Harness::playOperations(const std::function<bool(int operation)>& right) {
    click(70);
    for (int k = 1; k <= kOperationsPerGame; ++k) {
        clickAbacus();
        answer(right(k));
    }
}

void Harness::typeTotal(bool right) {
    focusBox(4);
    const GameState& s = form.state();
    const int total = static_cast<int>(s.numeroverdi + s.numerorossi + s.numeroazzurri);
    const int typed = right ? total : (total < 10 ? (total + 1) % 10 : 10 + (total + 1) % 10);
    typeText(std::to_string(typed).c_str());
}

void ScriptedRandom::scriptPredictableGame() {
    std::vector<double> numbers;
    for (int a = 0; a < 10; ++a) numbers.push_back((a + 0.5) / 20);
    for (int a = 0; a < 10; ++a) numbers.push_back(1.5 / (20 - a));
    for (int m = 11; m <= 20; ++m) numbers.push_back((m - 0.5) / 20);
    for (int k = 0; k < 10; ++k) numbers.push_back(1.5 / 20);
    for (int k = 0; k < 20; ++k) numbers.push_back(k % 2 == 0 ? 0.25 : 0.75);
    script(numbers);
}

void ScriptedRandom::scriptFirstOperations(int a, int b, int m, int t,
                                           std::initializer_list<bool> kinds) {
    std::vector<double> numbers;
    auto whole = [](int value, double scale, int offset = 0) {
        return (value - offset + 0.5) / scale;
    };
    std::vector<int> firsts{a}, minuends{m};
    for (int v = 0; firsts.size() < 10; ++v) {
        if (v != a)
            firsts.push_back(v);
    }
    for (int v = 1; minuends.size() < 10; ++v) {
        if (v != m)
            minuends.push_back(v);
    }
    for (int v : firsts) numbers.push_back(whole(v, 20));
    numbers.push_back(whole(b, 20 - a));
    numbers.insert(numbers.end(), 9, 0.0);
    for (int v : minuends) numbers.push_back(whole(v, 20, 1));
    numbers.push_back(whole(t, 20));
    numbers.insert(numbers.end(), 9, 0.0);
    for (bool addition : kinds) numbers.push_back(addition ? 0.25 : 0.75);
    script(numbers);
}

int Harness::visibleCount(int firstImage, int lastImage) {
    int count = 0;
    for (int n = firstImage; n <= lastImage; ++n) {
        count += form.image(n).visible() ? 1 : 0;
    }
    return count;
}

int Harness::visibleCones(ConeRow row) {
    return visibleCount(coneImageNumber(row, 1), coneImageNumber(row, kRowLength));
}

int Harness::visibleProgressMarkers() {
    int count = 0;
    for (int k = 1; k <= kRowLength; ++k) {
        count += form.image(progressImageNumber(k)).visible() ? 1 : 0;
    }
    return count;
}

}  // namespace brivolo::test
