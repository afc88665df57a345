// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
#pragma once

#include "app/keystroke.h"

namespace brivolo {

// Backspace and the digits "0" to "9": the characters the four boxes let through.
constexpr bool passesAnswerFilter(short characterCode) {
    return characterCode == kBackspace || (characterCode >= '0' && characterCode <= '9');
}

// Any other character code becomes 0, which discards the character before it reaches the box.
constexpr void filterAnswerKey(short& characterCode) {
    if (!passesAnswerFilter(characterCode)) {
        characterCode = 0;
    }
}

}  // namespace brivolo
