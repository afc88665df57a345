// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "keystroke.h"

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

}  // namespace brivolo
