// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#include "keyevent.h"

namespace brivolo {

namespace {

NamedKey namedKey(int key) {
    switch (key) {
        case Qt::Key_Backspace:
            return NamedKey::Backspace;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return NamedKey::Enter;
        case Qt::Key_Escape:
            return NamedKey::Escape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return NamedKey::Tab;
        case Qt::Key_Delete:
            return NamedKey::Delete;
        case Qt::Key_Insert:
            return NamedKey::Insert;
        default:
            return NamedKey::None;
    }
}

}  // namespace

Modifiers heldModifiers(Qt::KeyboardModifiers modifiers) {
    return {.shift = modifiers.testFlag(Qt::ShiftModifier),
            .control = modifiers.testFlag(Qt::ControlModifier),
            .alt = modifiers.testFlag(Qt::AltModifier),
            .meta = modifiers.testFlag(Qt::MetaModifier)};
}

KeyStroke keyStroke(const QKeyEvent& event, const QString& text) {
    // Qt numbers a letter key by its capital, whatever it types.
    const int key = event.key();
    return {.held = heldModifiers(event.modifiers()),
            .named = namedKey(key),
            .letter = keyLetter(char32_t(key)),
            .text = {QStringView(text).utf16(), std::size_t(text.size())}};
}

}  // namespace brivolo
