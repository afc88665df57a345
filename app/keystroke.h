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

// Whether a UTF-16 unit is the first of a surrogate pair, which makes one character with the next.
constexpr bool isHighSurrogate(char16_t unit) {
    return unit >= 0xd800 && unit < 0xdc00;
}

// The letter of a key, 'A' to 'Z', or 0 for a key of no Latin letter. `key` is the key's code
// where the toolkit numbers letter keys by their capital (as Qt does), or the one character the
// key types (as the DOM names a key): either way the letter key's own letter, whatever the layout
// or the modifiers make it type.
constexpr char keyLetter(char32_t key) {
    if (key >= U'a' && key <= U'z') {
        return static_cast<char>(key - U'a' + 'A');
    }
    return key >= U'A' && key <= U'Z' ? static_cast<char>(key) : '\0';
}

// The key code KeyUp gets for the key that typed a character, as the window's first platform
// numbers keys: a letter key is its capital; other characters keep their code.
constexpr int keyCodeOf(short characterCode) {
    const char letter = characterCode > 0 ? keyLetter(static_cast<char32_t>(characterCode)) : '\0';
    return letter != '\0' ? letter : characterCode;
}

// A key as the DOM's KeyboardEvent.key names it: a key's name ("Backspace", "ArrowLeft",
// "Shift", "Dead") or the one character it types. `stroke.text` views `key`.
KeyStroke domKeyStroke(Modifiers held, std::u16string_view key);

// Whether the key, pressed on a picture that acts and has the focus, is its click: Enter or
// Space, without Control, Alt or Meta.
bool pressesButton(const KeyStroke& stroke);

}  // namespace brivolo
