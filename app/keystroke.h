// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include <optional>
#include <string_view>

namespace brivolo {

inline constexpr short kBackspace = 8;

// The modifier keys held with a key.
struct Modifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool meta = false;  // the Windows, Command or Super key
};

// KeyUp's shift argument: 1 for Shift, 2 for Control, 4 for Alt, added up.
constexpr int shiftState(Modifiers held) {
    return (held.shift ? 1 : 0) | (held.control ? 2 : 0) | (held.alt ? 4 : 0);
}

// The keys whose character the rule fixes whatever text the toolkit gives with them.
enum class NamedKey { None, Backspace, Enter, Escape, Tab, Delete, Insert };

// One key press as a toolkit reports it.
struct KeyStroke {
    Modifiers held;
    NamedKey named = NamedKey::None;
    char letter = 0;           // 'A' to 'Z' for a letter key, whatever it types
    std::u16string_view text;  // what the key types, as the toolkit gives it; may be empty
};

// The character code a key press gives the box's KeyPress, as on the window's first platform,
// or nothing for a key that types no character. Backspace gives 8 and, with Control, 127;
// Enter 13 and Escape 27. With Control a letter gives its control character (Ctrl+H is a
// Backspace, Ctrl+V 22) and any other printable key nothing. Alt combinations are commands
// and Meta combinations belong to the system: neither types. Otherwise the key gives its
// text's first UTF-16 unit, as a signed 16-bit code.
std::optional<short> characterCode(const KeyStroke& stroke);

}  // namespace brivolo
