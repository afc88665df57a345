// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "keystroke.h"

#include <array>
#include <utility>

namespace brivolo {

namespace {

constexpr bool isControlCharacter(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7f && unit < 0xa0);
}

}  // namespace

std::optional<short> characterCode(const KeyStroke& stroke) {
    const Modifiers& held = stroke.held;
    if (held.meta || (held.alt && !held.control)) {
        return std::nullopt;
    }
    switch (stroke.named) {
        case NamedKey::Backspace:
            return held.control ? short{127} : kBackspace;
        case NamedKey::Enter:
            return short{13};
        case NamedKey::Escape:
            return short{27};
        case NamedKey::Tab:
        case NamedKey::Delete:
        case NamedKey::Insert:
            return std::nullopt;
        case NamedKey::None:
            break;
    }
    if (held.control && stroke.letter >= 'A' && stroke.letter <= 'Z') {
        return static_cast<short>(stroke.letter - 'A' + 1);
    }
    if (stroke.text.empty() || (held.control && !isControlCharacter(stroke.text.front()))) {
        return std::nullopt;
    }
    return static_cast<short>(stroke.text.front());
}

KeyStroke domKeyStroke(Modifiers held, std::u16string_view key) {
    static constexpr std::array<std::pair<std::u16string_view, NamedKey>, 6> kNamedKeys{{
        {u"Backspace", NamedKey::Backspace},
        {u"Enter", NamedKey::Enter},
        {u"Escape", NamedKey::Escape},
        {u"Tab", NamedKey::Tab},
        {u"Delete", NamedKey::Delete},
        {u"Insert", NamedKey::Insert},
    }};
    for (const auto& [name, named] : kNamedKeys) {
        if (key == name) {
            return {held, named};
        }
    }
    const bool oneCharacter = key.size() == 1 || (key.size() == 2 && isHighSurrogate(key.front()));
    if (!oneCharacter) {
        return {held};  // a key of another name: an arrow, Shift, a dead key
    }
    return {held, NamedKey::None, keyLetter(key.front()), key};
}

bool pressesButton(const KeyStroke& stroke) {
    const Modifiers& held = stroke.held;
    if (held.control || held.alt || held.meta) {
        return false;
    }
    return stroke.named == NamedKey::Enter ||
           (stroke.named == NamedKey::None && stroke.text == u" ");
}

}  // namespace brivolo
