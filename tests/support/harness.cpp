// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "harness.h"

#include <string>

#include "support/shownoperation.h"

namespace brivolo::test {

Harness::Harness(std::uint64_t seed) : random(seed) {
    form.setObserver(this);
    form.load();
    // The window opens with the focus in the first text box that can take it, by window
    // activation: no GotFocus.
    focus = form.nextTabStop(nullptr);
}

// The toolkit moves the focus on from a box that is hidden or disabled.
void Harness::propertyChanged(const Control& control, Property property) {
    const bool lost = (property == Property::Visible && !control.visible()) ||
                      (property == Property::Enabled && !control.enabled());
    if (lost && focus == &control) {
        moveFocusToNext();
    }
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

TypeAtCaret Harness::typist(TextBox& box) {
    return [this, &box](std::u16string_view typed) {
        ++typings;
        std::string text = box.text();
        if (typed == u"\b") {
            if (!text.empty()) {
                text.pop_back();
            }
        } else {
            for (const char16_t c : typed) {
                text += static_cast<char>(c);  // nothing but digits passes
            }
        }
        box.takeEditedText(std::move(text));
    };
}

void Harness::type(short characterCode) {
    if (focus == nullptr) {
        return;
    }
    TextBox& box = *focus;
    form.typeKey(box, characterCode, typist(box));
    if (focus != nullptr) {
        form.keyUp(*focus, characterCode, 0);
    }
}

void Harness::enterText(std::u16string_view text, bool keyHeld) {
    if (focus != nullptr) {
        form.enterText(*focus, text, keyHeld, typist(*focus));
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

void Harness::answer(bool right) {
    const std::string result = std::to_string(shownResult(form));
    typeText((right ? result : wrongOfSameLength(result)).c_str());
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
    const std::string total = std::to_string(shownTotal(form));
    typeText((right ? total : wrongOfSameLength(total)).c_str());
}

void Harness::clickControl(const Control& control) {
    if (control.kind() == ControlKind::TextBox) {
        focusBox(control.number());
    } else if (control.kind() == ControlKind::Picture) {
        click(control.number());
    }
}

void Harness::typeCharacter(char character) {
    type(character == '\b' ? kBackspace : static_cast<short>(character));
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
