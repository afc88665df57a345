// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "webpage.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <utility>

#include "app/form1.h"
#include "app/spokentext.h"

// The page's side of each call is in page.js; strings travel as NUL-terminated UTF-8.
// clang-format off
EM_JS(void, pageSet, (int index, const char* field, const char* value), {
    Page.set(index, UTF8ToString(field), value ? UTF8ToString(value) : null);
});
EM_JS(void, pageType, (int index, const char* text, int deleteBefore), {
    Page.type(index, UTF8ToString(text), deleteBefore !== 0);
});
EM_JS(int, pageFocusedIndex, (), { return Page.focusedIndex(); });
EM_JS(void, pageFocus, (int index), { Page.focus(index); });
EM_JS(void, pageReady, (), { Page.ready(); });
EM_JS(void, pageEnd, (const char* message, int failed), {
    Page.end(UTF8ToString(message), failed !== 0);
});
// clang-format on

namespace brivolo {

namespace {

std::u16string utf16(std::string_view utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7f >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k) {
            point = point << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
        }
        if (point >= 0x10000) {
            text += static_cast<char16_t>(0xd800 + ((point - 0x10000) >> 10));
            text += static_cast<char16_t>(0xdc00 + ((point - 0x10000) & 0x3ff));
        } else {
            text += static_cast<char16_t>(point);
        }
        i += static_cast<std::size_t>(length);
    }
    return text;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xd800 && unit < 0xdc00;
}

// The first UTF-16 unit of each character.
std::vector<short> characterCodes(const std::u16string& text) {
    std::vector<short> codes;
    for (std::size_t i = 0; i < text.size(); i += isHighSurrogate(text[i]) ? 2 : 1) {
        codes.push_back(static_cast<short>(text[i]));
    }
    return codes;
}

// A key as the DOM's KeyboardEvent.key names it: a key's name, or the one character it types.
KeyStroke keyStroke(Modifiers held, std::string_view key, const std::u16string& text) {
    static constexpr std::array<std::pair<std::string_view, NamedKey>, 6> kNamedKeys{{
        {"Backspace", NamedKey::Backspace},
        {"Enter", NamedKey::Enter},
        {"Escape", NamedKey::Escape},
        {"Tab", NamedKey::Tab},
        {"Delete", NamedKey::Delete},
        {"Insert", NamedKey::Insert},
    }};
    for (const auto& [name, named] : kNamedKeys) {
        if (key == name) {
            return {held, named};
        }
    }
    if (characterCodes(text).size() != 1) {
        return {held};  // a key of another name: an arrow, Shift, a dead key
    }
    char letter = 0;
    if (text.size() == 1 && text[0] < 0x80 && std::isalpha(static_cast<int>(text[0]))) {
        letter = static_cast<char>(std::toupper(static_cast<int>(text[0])));
    }
    return {held, NamedKey::None, letter, text};
}

// The key code of the key that types a character, as the window's first platform numbers
// keys: a digit or a letter is its upper-case character; other characters keep their code.
int keyCodeOf(short characterCode) {
    if (characterCode >= 'a' && characterCode <= 'z') {
        return characterCode - 'a' + 'A';
    }
    return characterCode;
}

std::string utf8(short characterCode) {
    const auto unit = static_cast<char16_t>(characterCode);
    std::string text;
    if (unit < 0x80) {
        text += static_cast<char>(unit);
    } else if (unit < 0x800) {
        text += static_cast<char>(0xc0 | (unit >> 6));
        text += static_cast<char>(0x80 | (unit & 0x3f));
    } else {
        text += static_cast<char>(0xe0 | (unit >> 12));
        text += static_cast<char>(0x80 | ((unit >> 6) & 0x3f));
        text += static_cast<char>(0x80 | (unit & 0x3f));
    }
    return text;
}

}  // namespace

void WebPage::attach(Form1& form) {
    form_ = &form;
    const std::vector<Control*>& controls = form.controls();
    shown_.clear();
    followers_.clear();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = *controls[i];
        shown_.push_back(elementState(form, control));
        const bool stacked =
            control.kind() == ControlKind::Picture &&
            std::count_if(controls.begin(), controls.end(), [&](const Control* other) {
                return other->kind() == ControlKind::Picture &&
                       other->layout().rect == control.layout().rect;
            }) > 1;
        if (stacked || spokenTextChanges(control)) {
            followers_.push_back(i);
        }
    }
    changed_.assign(controls.size(), false);
    form.setObserver(this);
    pageReady();
}

void WebPage::propertyChanged(const Control& control, Property) {
    const std::vector<Control*>& controls = form_->controls();
    changed_.at(static_cast<std::size_t>(std::find(controls.begin(), controls.end(), &control) -
                                         controls.begin())) = true;
}

TextBox& WebPage::box(int index) {
    Control& control = *form_->controls().at(static_cast<std::size_t>(index));
    if (control.kind() != ControlKind::TextBox) {
        throw std::invalid_argument(control.name() + " is not a text box");
    }
    return static_cast<TextBox&>(control);
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
        const TextBox* from = nullptr;
        if (focused >= 0 &&
            controls.at(static_cast<std::size_t>(focused))->kind() == ControlKind::TextBox) {
            from = &box(focused);
        }
        if (const TextBox* next = form_->nextTabStop(from)) {
            const auto at = std::find(controls.begin(), controls.end(), next);
            pageFocus(static_cast<int>(at - controls.begin()));
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
    const Control& control = *form_->controls().at(static_cast<std::size_t>(index));
    if (control.kind() == ControlKind::Picture) {
        form_->click(static_cast<const Picture&>(control));
        settle();
    }
}

short WebPage::press(int index, short characterCode) {
    TextBox& target = box(index);
    form_->keyPress(target, characterCode);
    if (characterCode != 0 && !form_->ended()) {
        // What passed is typed as if on its own; the page hands the new text back.
        const bool backspace = characterCode == kBackspace;
        pageType(index, backspace ? "" : utf8(characterCode).c_str(), backspace ? 1 : 0);
    }
    return characterCode;
}

int WebPage::keyDown(int index, Modifiers held, std::string_view key) {
    const std::u16string text = utf16(key);
    const std::optional<short> code = characterCode(keyStroke(held, key, text));
    if (!code) {
        return -1;
    }
    const short passed = press(index, *code);
    settle();
    return passed;
}

void WebPage::input(int index, std::string_view inputType, std::string_view data, bool keyDown) {
    std::vector<short> codes;
    if (inputType == "insertText") {
        codes = characterCodes(utf16(data));
    } else if (inputType == "deleteContentBackward") {
        codes = {kBackspace};
    }
    for (const short code : codes) {
        press(index, code);
        if (!keyDown) {
            form_->keyUp(box(index), keyCodeOf(code), 0);
        }
    }
    settle();
}

void WebPage::textEdited(int index, std::string text) {
    const auto at = static_cast<std::size_t>(index);
    shown_.at(at)[static_cast<std::size_t>(ElementField::Text)] = text;
    box(index).takeEditedText(std::move(text));
}

void WebPage::keyUp(int index, int keyCode, Modifiers held) {
    form_->keyUp(box(index), keyCode, shiftState(held));
    settle();
}

void WebPage::focused(int index) {
    form_->gotFocus(box(index));
    settle();
}

}  // namespace brivolo
