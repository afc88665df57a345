// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "webpage.h"

#include <emscripten.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/form1.h"
#include "app/spokentext.h"

// The page's side of each call is in page.js. The program's own strings travel as NUL-terminated
// UTF-8; what is typed into a box as UTF-16, counted in units.
// clang-format off
EM_JS(void, pageSet, (int index, const char* field, const char* value), {
    Page.set(index, UTF8ToString(field), value ? UTF8ToString(value) : null);
});
EM_JS(void, pageType, (int index, const char16_t* text, int length, int deleteBefore), {
    const typed = new TextDecoder("utf-16le").decode(HEAPU16.subarray(text >> 1, (text >> 1) + length));
    Page.type(index, typed, deleteBefore !== 0);
});
EM_JS(int, pageFocusedIndex, (), { return Page.focusedIndex(); });
EM_JS(void, pageFocus, (int index), { Page.focus(index); });
EM_JS(void, pageReady, (const char* runTimeError), { Page.ready(UTF8ToString(runTimeError)); });
EM_JS(void, pageEnd, (const char* message, int failed), {
    Page.end(UTF8ToString(message), failed !== 0);
});
// clang-format on

namespace brivolo {

void WebPage::attach(Form1& form) {
    form_ = &form;
    const std::vector<Control*>& controls = form.controls();
    shown_.clear();
    followers_.clear();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = *controls[i];
        shown_.push_back(elementState(form, control));
        if (readAgainAfterHandlers(form, control)) {
            followers_.push_back(i);
        }
    }
    changed_.assign(controls.size(), false);
    form.setObserver(this);
}

void WebPage::takeOver() const {
    pageReady(std::string(kRunTimeError).c_str());
}

void WebPage::propertyChanged(const Control& control, Property) {
    changed_.at(static_cast<std::size_t>(indexOf(control))) = true;
}

int WebPage::indexOf(const Control& control) const {
    const std::vector<Control*>& controls = form_->controls();
    return static_cast<int>(std::find(controls.begin(), controls.end(), &control) -
                            controls.begin());
}

Control& WebPage::control(int index) {
    return *form_->controls().at(static_cast<std::size_t>(index));
}

TextBox& WebPage::box(int index) {
    Control& found = control(index);
    if (found.kind() != ControlKind::TextBox) {
        throw std::invalid_argument(found.name() + " is not a text box");
    }
    return static_cast<TextBox&>(found);
}

void WebPage::settle() {
    const std::vector<Control*>& controls = form_->controls();
    for (const std::size_t i : followers_) {
        changed_[i] = true;
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!changed_[i]) {
            continue;
        }
        changed_[i] = false;
        ElementState state = elementState(*form_, *controls[i]);
        for (std::size_t f = 0; f < state.size(); ++f) {
            if (state[f] != shown_[i][f]) {
                pageSet(static_cast<int>(i), kElementFieldNames[f].data(),
                        state[f] ? state[f]->c_str() : nullptr);
            }
        }
        shown_[i] = std::move(state);
    }
    if (tabQueued_ && !form_->ended()) {
        tabQueued_ = false;
        const int focused = pageFocusedIndex();
        if (const TextBox* next = form_->nextTabStop(focused >= 0 ? &control(focused) : nullptr)) {
            pageFocus(indexOf(*next));
        }
    }
}

void WebPage::queueTab() {
    tabQueued_ = true;
}

void WebPage::endProgram() {
    pageEnd(std::string(kProgramEnded).c_str(), 0);
}

void WebPage::endWithRunTimeError(const std::string& message) {
    pageEnd(message.c_str(), 1);
}

void WebPage::click(int index) {
    const Control& clicked = control(index);
    if (clicked.kind() == ControlKind::Picture) {
        form_->click(static_cast<const Picture&>(clicked));
        settle();
    }
}

namespace {

// Types at the box's caret in the page, which hands the new text back (textEdited).
TypeAtCaret typist(int index) {
    return [index](std::u16string_view typed) {
        const bool backspace = typed == u"\b";
        pageType(index, typed.data(), backspace ? 0 : static_cast<int>(typed.size()),
                 backspace ? 1 : 0);
    };
}

}  // namespace

int WebPage::keyDown(int index, Modifiers held, std::u16string_view key) {
    const KeyStroke stroke = domKeyStroke(held, key);
    if (stroke.named == NamedKey::Tab && !held.control && !held.alt && !held.meta) {
        const Control* from = index < 0 ? nullptr : &control(index);
        if (const Control* next = form_->nextFocus(from, held.shift)) {
            pageFocus(indexOf(*next));
        }
        return 0;
    }
    Control& target = control(index);
    if (target.kind() == ControlKind::Picture) {
        if (!pressesButton(stroke)) {
            return -1;
        }
        click(index);
        return 0;
    }
    const std::optional<short> code = characterCode(stroke);
    if (!code) {
        return -1;
    }
    const short passed = form_->typeKey(box(index), *code, typist(index));
    settle();
    return passed;
}

void WebPage::input(int index, std::string_view inputType, std::u16string_view data, bool keyDown) {
    std::u16string_view text;
    // Typed, pasted, dictated or written by hand: text in one piece all the same. (The page
    // takes no drop.)
    if (inputType == "insertText" || inputType == "insertReplacementText" ||
        inputType == "insertFromPaste") {
        text = data;
    } else if (inputType == "deleteContentBackward") {
        text = u"\b";
    }
    form_->enterText(box(index), text, keyDown, typist(index));
    settle();
}

void WebPage::textEdited(int index, std::string text) {
    const auto at = static_cast<std::size_t>(index);
    shown_.at(at)[static_cast<std::size_t>(ElementField::Text)] = text;
    box(index).takeEditedText(std::move(text));
}

void WebPage::keyUp(int index, int keyCode, Modifiers held) {
    Control& target = control(index);
    if (target.kind() == ControlKind::TextBox) {
        form_->keyUp(static_cast<TextBox&>(target), keyCode, shiftState(held));
        settle();
    }
}

void WebPage::focused(int index) {
    Control& target = control(index);
    if (target.kind() == ControlKind::TextBox) {
        form_->gotFocus(static_cast<TextBox&>(target));
        settle();
    }
}

}  // namespace brivolo
